#pragma once
// What the card's grids put at the head of a print (company, item) and how
// their messages reach the user (the host's catalogue, through the window's
// message service).

#include "common/forward.h"

namespace card {

void InstallGridExchangeHost(common::ItemCard& card);

}  // namespace card
