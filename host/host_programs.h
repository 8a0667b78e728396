#pragma once
// The host's managements that the item card opens for an item (the item
// master, states, seasons, bills of materials, routings, prints...) and the
// sibling components of the application it creates by identifier
// (ZOLT_EREDITAGR.CLSMG_EREDITAGR, VREK_VINCOLI.CLSCM_VINCOLI). This host
// has none of its own: each is a small window that shows what it was
// given - program, company, item, routing, variant, grouping - so that a
// user sees that the right context arrived. The item master also lets the
// user move to another item and hands its code back (kind 101).

namespace host {

// Registers every program with the component registry. Calling it again is
// harmless.
void RegisterHostPrograms();

}  // namespace host
