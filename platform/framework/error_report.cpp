#include "platform/framework/error_report.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace framework {

namespace {

// The report as a dialog: the context above, the error, the provider errors
// in a list, and the buttons of the style (abort, retry, ignore by default).
class ReportDialog : public QDialog {
public:
    explicit ReportDialog(const ErrorReportData& r) : QDialog(QApplication::activeWindow()) {
        setObjectName(QStringLiteral("FRMFW_ERRORE"));
        setWindowTitle(QString::fromStdString(r.caption.empty() ? r.application : r.caption));
        if (r.style & 4096)
            setWindowModality(Qt::ApplicationModal);
        auto* root = new QVBoxLayout(this);
        auto* top = new QHBoxLayout;
        auto* icon = new QLabel(this);
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(48, 48));
        top->addWidget(icon, 0, Qt::AlignTop);
        auto* form = new QFormLayout;
        auto add = [&](const char* label, const std::string& text) {
            auto* value = new QLabel(QString::fromStdString(text), this);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setWordWrap(true);
            form->addRow(QString::fromUtf8(label), value);
        };
        add("Applicazione:", r.application);
        add("Finestra:", r.caption);
        add("Procedura:", r.procedure);
        add("Errore:", std::to_string(r.error.number) + " - " + r.error.description);
        if (!r.error.source.empty())
            add("Origine:", r.error.source);
        top->addLayout(form, 1);
        root->addLayout(top);
        if (!r.providerErrors.empty()) {
            auto* list = new QTreeWidget(this);
            list->setObjectName(QStringLiteral("LST_ERRORI"));
            list->setHeaderLabels({QStringLiteral("SQLSTATE"), QStringLiteral("Codice"),
                                   QStringLiteral("Messaggio"), QStringLiteral("Origine")});
            list->setRootIsDecorated(false);
            for (const auto& e : r.providerErrors)
                list->addTopLevelItem(new QTreeWidgetItem(
                    {QString::fromStdString(e.sqlState), QString::number(e.nativeError),
                     QString::fromStdString(e.message), QString::fromStdString(e.source)}));
            list->header()->setSectionResizeMode(2, QHeaderView::Stretch);
            list->setMinimumHeight(90);
            root->addWidget(new QLabel(QStringLiteral("Errori del database:"), this));
            root->addWidget(list, 1);
        }
        auto* box = new QDialogButtonBox(this);
        struct B {
            QDialogButtonBox::StandardButton button;
            int answer;
        };
        std::vector<B> buttons;
        switch (r.style & 0xF) {
            case 5:
                buttons = {{QDialogButtonBox::Retry, 4}, {QDialogButtonBox::Cancel, 2}};
                break;
            case 0:
                buttons = {{QDialogButtonBox::Ok, 1}};
                break;
            default:
                buttons = {{QDialogButtonBox::Abort, 3},
                           {QDialogButtonBox::Retry, 4},
                           {QDialogButtonBox::Ignore, 5}};
                break;
        }
        const std::size_t def = static_cast<std::size_t>((r.style >> 8) & 0x3);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            QPushButton* b = box->addButton(buttons[i].button);
            const int answer = buttons[i].answer;
            connect(b, &QPushButton::clicked, this, [this, answer] { done(answer); });
            if (i == def)
                b->setDefault(true);
        }
        cancelAnswer_ = buttons.size() == 1 ? buttons[0].answer : 3;
        const std::string text = ReportText(r);
        QPushButton* copy = box->addButton(QStringLiteral("Copia"), QDialogButtonBox::ActionRole);
        connect(copy, &QPushButton::clicked, this,
                [text] { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); });
        root->addWidget(box);
        resize(620, r.providerErrors.empty() ? 220 : 360);
    }
    // Escape and the close button answer abort.
    void reject() override { done(cancelAnswer_); }

private:
    int cancelAnswer_ = 3;
};

class DialogPresenter : public ErrorReportPresenter {
public:
    int Present(const ErrorReportData& report) override {
        ReportDialog dialog(report);
        return dialog.exec();
    }
};

ErrorReportPresenter* installed = nullptr;

}  // namespace

std::string ReportText(const ErrorReportData& r) {
    std::string text = r.application + "\n" + r.caption + "\nProcedura: " + r.procedure +
                       "\nErrore " + std::to_string(r.error.number) + ": " + r.error.description;
    if (!r.error.source.empty())
        text += "\nOrigine: " + r.error.source;
    for (const auto& e : r.providerErrors)
        text += "\n[" + e.sqlState + "] " + std::to_string(e.nativeError) + " " + e.message +
                (e.source.empty() ? "" : " (" + e.source + ")");
    return text;
}

void SetErrorReportPresenter(ErrorReportPresenter* presenter) {
    installed = presenter;
}

ErrorReportPresenter& ErrorReportPresenters() {
    static DialogPresenter dialog;
    return installed ? *installed : dialog;
}

int ErrorReport::Show(const std::string& application, const std::string& caption,
                      const std::string& procedure, int style) {
    data_.application = application;
    data_.caption = caption;
    data_.procedure = procedure;
    data_.style = style;
    return ErrorReportPresenters().Present(data_);
}

}  // namespace framework
