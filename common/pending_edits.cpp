#include "common/pending_edits.h"

#include <stdexcept>

#include "common/rights.h"
#include "common/window_services.h"
#include "platform/controls/record_frame.h"

namespace common {

bool concludeOnClose(WindowServices& services, controls::RecordFrame& frame,
                     const std::string& procedure) {
    if (!frame.Recordset() || frame.Status() == controls::RecordFrame::Browse)
        return true;
    if (frame.SaveIfNeeded(true, false, false))
        return true;
    // Only a save that failed is left here: the frame has told the user why.
    for (;;) {
        const std::string record = frame.RecordDescription().toStdString();
        const std::string text = services.TraduciTesto(
            "Non è stato possibile salvare " + record +
                ". Riprova per salvare di nuovo; ignora o interrompi per annullare le modifiche.",
            91505, std::vector<db::Value>{db::Value(record)});
        const int answer =
            services.GestisciErrore(procedure, std::make_exception_ptr(std::runtime_error(text)));
        if (answer == vbRetry) {
            if (frame.Update())
                return true;
            continue;
        }
        frame.Undo();
        return false;
    }
}

namespace {

// Without the right to change data no save can succeed: edits go unasked.
bool droppedWithoutRights(WindowServices& services, controls::RecordFrame& frame) {
    if (allowed(rightsOf(services.Pcls_Interface()), WriteKind::Change))
        return false;
    if (frame.Status() != controls::RecordFrame::Browse)
        frame.Undo();
    return true;
}

}  // namespace

bool concludeBeforeLeaving(WindowServices& services, controls::RecordFrame& frame) {
    if (!frame.Recordset() || droppedWithoutRights(services, frame))
        return true;
    return frame.SaveIfNeeded(true, false, true);
}

bool concludeBeforeReload(WindowServices& services, controls::RecordFrame* frame,
                          const std::string& procedure) {
    if (!frame || !frame->Recordset() || droppedWithoutRights(services, *frame))
        return true;
    return concludeOnClose(services, *frame, procedure);
}

}  // namespace common
