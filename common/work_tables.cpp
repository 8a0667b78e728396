// Kept apart from the other services: only what uses work tables links the
// database connection through it.
#include <stdexcept>

#include "common/window_services.h"
#include "platform/db/connection.h"

namespace common {

void WindowServices::EliminaTabellaTemp(const std::string& name) {
    if (!connection_)
        throw std::logic_error("EliminaTabellaTemp: nessuna connessione");
    connection_->execute("IF OBJECT_ID('tempdb.." + name + "') IS NOT NULL DROP TABLE " + name);
}

}  // namespace common
