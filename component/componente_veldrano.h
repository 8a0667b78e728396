#pragma once
// The default interface of CLSMG_VELDRANO: what the item card window reads
// from its component besides the host contract (Pcls_Componente).

#include <string>

#include "platform/db/value.h"

namespace component {

// The parameters a host keeps with the component (the component does not
// read them itself).
struct ActualParametersType {
    db::Value Codice;
};

class ComponenteVeldrano {
public:
    virtual ~ComponenteVeldrano() = default;

    // The item the window opens on when IsCalled: a public field, no logic.
    std::string CodiceArticolo;

    // Writing stores a copy; reading returns a copy.
    ActualParametersType ActualParameters() const { return actualParameters_; }
    void SetActualParameters(const ActualParametersType& parameters) {
        actualParameters_ = parameters;
    }

private:
    ActualParametersType actualParameters_;
};

}  // namespace component
