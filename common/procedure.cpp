#include "common/procedure.h"

#include "common/item_card.h"
#include "common/rights.h"
#include "common/window_services.h"
#include "platform/db/connection.h"

namespace common {

Procedure::Procedure(WindowServices& services, std::string name)
    : services_(services), name_(std::move(name)) {}

Procedure::Procedure(ItemCard& card, std::string name)
    : Procedure(card.services(), std::move(name)) {}

bool Procedure::step(const std::function<void()>& statement) {
    while (!left_) {
        try {
            statement();
            return !left_;
        } catch (const RightDenied& refused) {
            // A write the host's rights do not allow: the user is told why
            // and the command ends as abort ends it, rolling back.
            ++errors_;
            services_.VisualizzaMessaggio(refused.what(), refused.number(), vbExclamation,
                                          services_.TraduciTesto("Avviso Utente", 8522));
            lastAnswer_ = vbAbort;
        } catch (...) {
            ++errors_;
            lastAnswer_ = services_.GestisciErrore(name_, std::current_exception());
        }
        switch (lastAnswer_) {
            case vbRetry:
                continue;
            case vbIgnore:
            case vbCancel:
                ++skipped_;
                return true;
            case vbAbort:
                aborted_ = true;
                left_ = true;
                if (onAbort_) {
                    // The clean-up of an aborted procedure must not raise a second report.
                    try {
                        onAbort_();
                    } catch (...) {
                    }
                }
                return false;
            default:
                left_ = true;
                return false;
        }
    }
    return false;
}

void rollbackQuietly(db::Connection& cn) {
    releaseQuietly([&] {
        if (cn.transactionDepth() > 0)
            cn.rollbackTransaction();
    });
}

void releaseQuietly(const std::function<void()>& part) noexcept {
    try {
        part();
    } catch (...) {
    }
}

void beginWhole(Procedure& p, db::Connection& cn) {
    p.onAbort([&cn] { rollbackQuietly(cn); });
    p.step([&] { cn.beginTransaction(); });
}

bool commitWhole(Procedure& p, db::Connection& cn) {
    return commitWhole(p, cn, [&cn] { rollbackQuietly(cn); });
}

bool commitWhole(Procedure& p, db::Connection& cn, const std::function<void()>& undo) {
    if (!p.running())
        return false;
    if (p.skipped()) {
        undo();
        return false;
    }
    bool committed = false;
    p.step([&] {
        cn.commitTransaction();
        committed = true;
    });
    if (!committed)
        undo();
    return committed;
}

}  // namespace common
