// The record frame's edits: save, the save question, new, delete, undo.
#include <QKeyEvent>

#include "platform/controls/record_frame.h"
#include "platform/controls/record_frame_impl.h"

namespace controls {

bool RecordFrame::Update() {
    if (!d->hasRow())
        return false;
    if (d->status == 0 && d->rs->status() == db::RecordStatus::Unchanged)
        return true;
    QWidget* invalid = d->missingRequired();
    bool cancel = false;
    if (invalid) {
        d->say(QStringLiteral("Il campo \"%1\" è obbligatorio.").arg(d->captionOf(invalid)));
        invalid->setFocus();
        return false;
    }
    emit validateRecord(invalid, cancel);
    if (invalid || cancel) {
        if (invalid)
            invalid->setFocus();
        return false;
    }
    emit beforeUpdate(cancel);
    if (cancel)
        return false;
    try {
        Impl::Busy guard(d.get());
        d->rs->updateBatch(db::Affect::Current);
    } catch (const std::exception& e) {
        d->say(QStringLiteral("Impossibile salvare %1:\n%2")
                   .arg(d->recordName(), QString::fromStdString(e.what())));
        emit afterUpdate(false);
        return false;
    }
    d->hasBeforeNew = false;
    d->list.reset();
    d->fill();
    if (d->grid)
        d->grid->Refresh();
    d->setStatus(0);
    emit afterUpdate(true);
    return true;
}

QString WithPrepositionA(const QString& text) {
    // The article joins the preposition: "a il" is "al", "a l'" is "all'".
    struct Forma {
        const char* articolo;
        const char* articolata;
    };
    static const Forma forme[] = {{"il ", "al "},  {"lo ", "allo "}, {"la ", "alla "},
                                  {"l'", "all'"},  {"i ", "ai "},    {"gli ", "agli "},
                                  {"le ", "alle "}};
    for (const Forma& f : forme) {
        const QString a = QString::fromUtf8(f.articolo);
        if (text.startsWith(a, Qt::CaseInsensitive))
            return QString::fromUtf8(f.articolata) + text.mid(a.size());
    }
    return QStringLiteral("a ") + text;
}

bool RecordFrame::SaveIfNeeded(bool ask, bool discardWithoutAsking, bool allowCancel) {
    if (d->status == 0)
        return true;
    // An entry row of a frame that cannot insert is a search, not an edit.
    if (d->status == 2 && !d->allowInsert)
        return true;
    if (!ask) {
        if (discardWithoutAsking) {
            Undo();
            return true;
        }
        return Update();
    }
    const QString question =
        QStringLiteral("Salvare le modifiche apportate %1?").arg(WithPrepositionA(d->recordName()));
    SaveAnswer answer;
    if (d->ask) {
        answer = d->ask(question, allowCancel);
    } else {
        auto buttons = QMessageBox::Yes | QMessageBox::No;
        if (allowCancel)
            buttons |= QMessageBox::Cancel;
        const auto r = QMessageBox::question(nullptr, d->name, question, buttons);
        answer = r == QMessageBox::Yes  ? SaveAnswer::Save
                 : r == QMessageBox::No ? SaveAnswer::Discard
                                        : SaveAnswer::Cancel;
    }
    if (answer == SaveAnswer::Cancel && !allowCancel)
        answer = SaveAnswer::Discard;
    switch (answer) {
        case SaveAnswer::Save:
            return Update();
        case SaveAnswer::Discard:
            Undo();
            return true;
        default:
            return false;
    }
}

bool RecordFrame::AddNew() {
    if (!d->allowInsert || !d->rs || !d->rs->isOpen()) {
        emit afterAddNew(false);
        return false;
    }
    if (!SaveIfNeeded(true, false, true)) {
        emit afterAddNew(false);
        return false;
    }
    {
        Impl::Busy guard(d.get());
        d->hasBeforeNew = d->hasRow();
        if (d->hasBeforeNew)
            d->beforeNew = d->rs->bookmark();
        d->rs->addNew();
    }
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    d->setStatus(2);
    emit afterAddNew(true);
    d->fill();
    if (QWidget* first = d->firstEditable())
        first->setFocus();
    return true;
}

bool RecordFrame::Delete() {
    if (!d->allowDelete || !d->hasRow())
        return false;
    if (d->status == 2) {
        Undo();
        return true;
    }
    bool cancel = false;
    emit beforeDelete(cancel);
    if (cancel)
        return false;
    bool ok = true;
    try {
        Impl::Busy guard(d.get());
        d->rs->deleteCurrent();
        d->rs->updateBatch(db::Affect::All);
    } catch (const std::exception& e) {
        ok = false;
        Impl::Busy guard(d.get());
        d->rs->cancelBatch();
        d->say(QStringLiteral("Impossibile eliminare %1:\n%2")
                   .arg(d->recordName(), QString::fromStdString(e.what())));
    }
    d->list.reset();
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    d->setStatus(0, ok);
    emit afterDelete(ok);
    return ok;
}

void RecordFrame::Undo() {
    if (!d->rs || !d->rs->isOpen())
        return;
    {
        // Whatever came before, every pending change goes (a new row, edits
        // of the row shown or of rows left behind), and the frame shows the
        // stored record it was on: the row shown, or the one shown before a
        // new row was started.
        Impl::Busy guard(d.get());
        const bool onStored = d->hasRow() && d->rs->status() != db::RecordStatus::New;
        const bool marked = onStored || d->hasBeforeNew;
        const auto mark = onStored ? d->rs->bookmark() : d->beforeNew;
        d->rs->cancelBatch();
        bool placed = false;
        if (marked) {
            try {
                d->rs->setBookmark(mark);
                placed = d->hasRow();
            } catch (const std::exception&) {
            }
        }
        if (!placed && d->rs->recordCount() > 0)
            d->rs->moveFirst();
        d->hasBeforeNew = false;
    }
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    // Said even when the frame thought it was there: the controls follow.
    d->setStatus(0, true);
    emit afterUndo();
}

bool RecordFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier && d->rs && d->rs->isOpen()) {
        const bool pending =
            d->status != 0 || (d->hasRow() && d->rs->status() != db::RecordStatus::Unchanged);
        if (pending) {
            Undo();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RecordFrame::Change(int, int, int) {
    if (!d->hasRow() || d->status != 0)
        return;
    d->setStatus(1);
}

}  // namespace controls
