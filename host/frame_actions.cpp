#include "host/frame_actions.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <map>

#include "platform/controls/record_frame.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"
#include "platform/framework/multilingual.h"
#include "platform/framework/navigator.h"

namespace host {

// What a column of a frame's list is called in the search: the host's data
// dictionary for the fields it knows, "Codice" for another key and
// "Descrizione" for another description; never the column's own name.
std::string FieldCaption(const std::string& field, bool key) {
    static const std::map<std::string, std::string> known = {
        {"MG66_CODART", "Codice articolo"},
        {"MG66_DESCART", "Descrizione"},
        {"MG5E_OPZIONE", "Opzione"},
        {"MG5S_OPZIONE_MG5E", "Opzione"},
        {"MG5S_DESCR", "Descrizione cliente/fornitore"},
        {"MG5G_CODRAGGVAR", "Raggruppamento"},
        {"MG5F_CODICEVAR", "Variante"},
    };
    if (auto it = known.find(field); it != known.end())
        return it->second;
    return key ? "Codice" : "Descrizione";
}

namespace {

QString trimmed(const db::Value& v) {
    return QString::fromStdString(db::rtrim(v.toText()));
}

// The frame's list with its key and description columns, filtered as the
// user types; Enter or a double click chooses.
class SearchDialog : public QDialog {
public:
    SearchDialog(db::Recordset& list, int key, std::vector<int> shown,
                 const framework::Multilingual& texts, QWidget* parent)
        : QDialog(parent) {
        auto tr = [&](const std::string& text) {
            return QString::fromStdString(texts.Translate(text));
        };
        setObjectName(QStringLiteral("FRMFW_RICERCA"));
        setWindowTitle(tr("Ricerca"));
        auto* root = new QVBoxLayout(this);
        filter_ = new QLineEdit(this);
        filter_->setObjectName(QStringLiteral("TXT_FILTRO"));
        filter_->setPlaceholderText(tr("Filtra per codice o descrizione"));
        root->addWidget(filter_);
        table_ = new QTableWidget(static_cast<int>(list.recordCount()),
                                  static_cast<int>(shown.size()), this);
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->verticalHeader()->hide();
        QStringList headers;
        for (int f : shown)
            headers << tr(FieldCaption(list.field(f).name, f == key));
        table_->setHorizontalHeaderLabels(headers);
        for (long r = 0; r < list.recordCount(); ++r) {
            for (std::size_t c = 0; c < shown.size(); ++c)
                table_->setItem(static_cast<int>(r), static_cast<int>(c),
                                new QTableWidgetItem(trimmed(list.valueAt(r, shown[c]))));
            keys_.push_back(list.valueAt(r, key));
        }
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->resizeColumnsToContents();
        root->addWidget(table_, 1);
        auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        root->addWidget(box);
        connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
        connect(filter_, &QLineEdit::textChanged, this, [this](const QString& t) { apply(t); });
        connect(filter_, &QLineEdit::returnPressed, this, &QDialog::accept);
        if (table_->rowCount() > 0)
            table_->selectRow(0);
        resize(560, 440);
    }
    // The key of the chosen row; Empty when none.
    db::Value chosen() const {
        const int row = table_->currentRow();
        if (row < 0 || table_->isRowHidden(row))
            return {};
        return keys_[static_cast<std::size_t>(row)];
    }

private:
    void apply(const QString& text) {
        int first = -1;
        for (int r = 0; r < table_->rowCount(); ++r) {
            bool match = text.isEmpty();
            for (int c = 0; c < table_->columnCount() && !match; ++c)
                match = table_->item(r, c)->text().contains(text, Qt::CaseInsensitive);
            table_->setRowHidden(r, !match);
            if (match && first < 0)
                first = r;
        }
        if (first >= 0)
            table_->selectRow(first);
    }

    QLineEdit* filter_;
    QTableWidget* table_;
    std::vector<db::Value> keys_;
};

}  // namespace

bool SearchRecord(controls::RecordFrame& frame, const framework::Multilingual& texts,
                  QWidget* parent) {
    if (!frame.Connection() || frame.ListStatement().empty() || !frame.Recordset())
        return false;
    if (!frame.SaveIfNeeded(true, false, true))
        return false;
    db::Recordset list;
    list.open(frame.ListStatement(), *frame.Connection());
    const int key = list.fieldIndex(frame.KeyField());
    if (key < 0)
        return false;
    std::vector<int> shown{key};
    for (int f = 0; f < list.fieldCount(); ++f)
        if (f != key && QString::fromStdString(list.field(f).name).contains("DESC"))
            shown.push_back(f);
    SearchDialog dialog(list, key, shown, texts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const db::Value code = dialog.chosen();
    if (code.isEmptyOrNull())
        return false;
    // The code goes into an entry row, which the frame then looks up.
    if (frame.Status() != controls::RecordFrame::Entering)
        frame.SetStatus(controls::RecordFrame::Entering);
    if (frame.Status() != controls::RecordFrame::Entering)
        return false;
    frame.Recordset()->setValue(frame.KeyField(), code);
    return frame.LookupRecord(true, true);
}

void ActOnFrame(controls::RecordFrame& frame, int button, const framework::Multilingual& texts,
                QWidget* parent) {
    using controls::RecordFrame;
    using framework::Navigator;
    // The buttons that only pass the request on to the frame.
    static constexpr struct {
        int button;
        bool (RecordFrame::*act)();
    } kPassedOn[] = {
        {Navigator::kFirst, &RecordFrame::MoveFirst},
        {Navigator::kPrevious, &RecordFrame::MovePrevious},
        {Navigator::kNext, &RecordFrame::MoveNext},
        {Navigator::kLast, &RecordFrame::MoveLast},
        {Navigator::kNew, &RecordFrame::AddNew},
        {Navigator::kSave, &RecordFrame::Update},
    };
    for (const auto& passed : kPassedOn)
        if (passed.button == button) {
            (frame.*passed.act)();
            return;
        }
    switch (button) {
        case Navigator::kDelete:
            if (!frame.AllowDelete())
                break;
            if (framework::MessageBoxes().Show(
                    texts.Translate("Eliminare il record ?") == "Eliminare il record ?"
                        ? "Eliminare " +
                              (frame.RecordDescription().isEmpty()
                                   ? std::string("il record")
                                   : frame.RecordDescription().toStdString()) +
                              " ?"
                        : texts.Translate("Eliminare il record ?"),
                    4 + 32 + 256, texts.Translate("Elimina")) == 6)
                frame.Delete();
            break;
        case Navigator::kUndo:
            frame.Undo();
            break;
        case Navigator::kSearch:
            SearchRecord(frame, texts, parent);
            break;
        default:
            break;
    }
}

}  // namespace host
