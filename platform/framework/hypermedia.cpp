#include "platform/framework/hypermedia.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <stdexcept>

#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/db/sql_literal.h"
#include "platform/db/value.h"
#include "platform/framework/multilingual.h"

namespace framework {

namespace {

using db::sqlQuoted;

using db::rtrim;

// A company code goes unquoted into the statement: only digits pass.
std::string companyLiteral(const std::string& company) {
    if (company.empty() || company.find_first_not_of("0123456789") != std::string::npos)
        throw std::invalid_argument("Codice ditta non valido: '" + company + "'");
    return company;
}

std::string filesStatement(const std::string& where) {
    return "SELECT CG99_PROGR, CG99_FILE, CG99_DESCR FROM CG99_MULTIMEDIA WITH (NOLOCK) WHERE " +
           where + " ORDER BY CG99_PROGR";
}

std::vector<MediaFile> readFiles(db::Connection& connection, const std::string& sql) {
    std::vector<MediaFile> files;
    db::Recordset rs;
    rs.open(sql, connection);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        MediaFile f;
        f.progr = static_cast<int>(rs.value("CG99_PROGR").toDecimal()->toInt64().value_or(0));
        f.path = rtrim(rs.value("CG99_FILE").toText());
        f.description = rtrim(rs.value("CG99_DESCR").toText());
        files.push_back(std::move(f));
    }
    return files;
}

std::int64_t scalarInt(db::Connection& connection, const std::string& sql) {
    for (const auto& set : connection.run(sql).resultSets)
        if (!set.rows.empty() && !set.rows.front().empty())
            return db::integerOf(set.rows.front().front());
    return 0;
}

// The manager's window: the record's files as thumbnails, add and remove.
class MediaDialog : public QDialog {
public:
    MediaDialog(CHyperMedia& media, const std::string& title)
        : QDialog(media.ParentWindow()), media_(media) {
        setObjectName(QStringLiteral("FRMFW_MULTIMEDIA"));
        setWindowTitle(QStringLiteral("Dati multimediali - %1").arg(QString::fromStdString(title)));
        auto* root = new QVBoxLayout(this);
        header_ = new QLabel(this);
        root->addWidget(header_);
        list_ = new QListWidget(this);
        list_->setViewMode(QListView::IconMode);
        list_->setIconSize(QSize(128, 128));
        list_->setResizeMode(QListView::Adjust);
        list_->setSpacing(8);
        root->addWidget(list_, 1);
        auto* box = new QDialogButtonBox(this);
        add_ = box->addButton(QStringLiteral("Aggiungi..."), QDialogButtonBox::ActionRole);
        remove_ = box->addButton(QStringLiteral("Rimuovi"), QDialogButtonBox::ActionRole);
        box->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
        add_->setEnabled(media.Editable());
        connect(add_, &QPushButton::clicked, this, [this] { addFiles(); });
        connect(remove_, &QPushButton::clicked, this, [this] { removeCurrent(); });
        connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(list_, &QListWidget::currentRowChanged, this, [this] { enable(); });
        root->addWidget(box);
        resize(640, 420);
        reload();
    }

private:
    void reload() {
        list_->clear();
        std::vector<MediaFile> files;
        try {
            files = media_.Files();
        } catch (const std::exception& e) {
            header_->setText(QString::fromStdString(e.what()));
        }
        for (const MediaFile& f : files) {
            const QString path = QString::fromStdString(f.path);
            QImageReader reader(path);
            reader.setScaledSize(QSize());
            QImage image = reader.read();
            QIcon icon = image.isNull()
                             ? style()->standardIcon(QStyle::SP_FileIcon)
                             : QIcon(QPixmap::fromImage(image.scaled(128, 128, Qt::KeepAspectRatio,
                                                                     Qt::SmoothTransformation)));
            auto* item =
                new QListWidgetItem(icon,
                                    f.description.empty() ? QFileInfo(path).fileName()
                                                          : QString::fromStdString(f.description),
                                    list_);
            item->setData(Qt::UserRole, f.progr);
            item->setToolTip(path);
        }
        header_->setText(files.empty() ? QStringLiteral("Nessun file collegato a %1.")
                                             .arg(QString::fromStdString(media_.Reference()))
                                       : QStringLiteral("%1 file collegati a %2.")
                                             .arg(files.size())
                                             .arg(QString::fromStdString(media_.Reference())));
        enable();
    }
    void enable() { remove_->setEnabled(media_.Editable() && list_->currentItem() != nullptr); }
    void addFiles() {
        const QStringList paths = QFileDialog::getOpenFileNames(
            this, QStringLiteral("Aggiungi file"), QString(),
            QStringLiteral("Immagini (*.png *.jpg *.jpeg *.bmp *.gif);;Tutti i file (*)"));
        for (const QString& p : paths) {
            try {
                media_.AddFile(p.toStdString());
            } catch (const std::exception& e) {
                MessageBoxes().Show(e.what(), 16, windowTitle().toStdString());
            }
        }
        reload();
    }
    void removeCurrent() {
        if (QListWidgetItem* item = list_->currentItem()) {
            try {
                media_.RemoveFile(item->data(Qt::UserRole).toInt());
            } catch (const std::exception& e) {
                MessageBoxes().Show(e.what(), 16, windowTitle().toStdString());
            }
            reload();
        }
    }

    CHyperMedia& media_;
    QLabel* header_;
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
};

class DialogPresenter : public MediaPresenter {
public:
    void Present(CHyperMedia& media, const std::string& title) override {
        MediaDialog dialog(media, title);
        dialog.exec();
    }
};

MediaPresenter* installed = nullptr;

MediaPresenter& presenter() {
    static DialogPresenter dialog;
    return installed ? *installed : dialog;
}

}  // namespace

void SetMediaPresenter(MediaPresenter* p) {
    installed = p;
}

CHyperMedia::CHyperMedia(QObject* parent) : QObject(parent) {}

QWidget* CHyperMedia::ParentWindow() const {
    if (hwndParent_ != 0)
        if (QWidget* w = QWidget::find(static_cast<WId>(hwndParent_)))
            return w;
    return QApplication::activeWindow();
}

void CHyperMedia::Open(const db::Value& company, const db::Value& language,
                       const std::string& folder, const db::Value& mediaId, std::int32_t hwndParent,
                       const std::string& title, int openMode) {
    company_ = rtrim(company.toText());
    language_ = rtrim(language.toText());
    folder_ = folder;
    mediaId_ = mediaId;
    hwndParent_ = hwndParent;
    openMode_ = openMode;
    presenter().Present(*this, title.empty() ? reference_ : title);
}

bool CHyperMedia::hasMedia() const {
    auto d = mediaId_.toDecimal();
    return d && !d->isZero();
}

std::string CHyperMedia::mediaIdText() const {
    return mediaId_.toDecimal()->normalized().toString();
}

std::vector<MediaFile> CHyperMedia::Files() const {
    if (!db_ || !hasMedia())
        return {};
    return readFiles(*db_, filesStatement("CG99_IDMEDIA = " + mediaIdText()));
}

void CHyperMedia::AddFile(const std::string& path, const std::string& description) {
    if (!Editable())
        throw std::runtime_error("I dati multimediali sono aperti in sola lettura");
    if (!db_)
        throw std::runtime_error("Nessun database per i dati multimediali");
    if (folder_.empty())
        throw std::runtime_error("Cartella dei dati multimediali non impostata");
    const QFileInfo source(QString::fromStdString(path));
    if (!source.isFile() || !source.isReadable())
        throw std::runtime_error("Il file " + path + " non esiste o non si può leggere");
    const std::string company = companyLiteral(company_);

    const bool created = !hasMedia();
    db::Value id = mediaId_;
    if (created)
        id = db::Value(db::Decimal(
            scalarInt(*db_, "SELECT ISNULL(MAX(CG99_IDMEDIA), 0) FROM CG99_MULTIMEDIA") + 1));
    const std::string idText = id.toDecimal()->normalized().toString();
    const std::int64_t progr =
        scalarInt(*db_,
                  "SELECT ISNULL(MAX(CG99_PROGR), 0) FROM CG99_MULTIMEDIA WHERE "
                  "CG99_IDMEDIA = " +
                      idText) +
        1;

    const QString dir =
        QDir(QString::fromStdString(folder_)).filePath(QString::fromStdString(idText));
    if (!QDir().mkpath(dir))
        throw std::runtime_error("Impossibile creare la cartella " + dir.toStdString());
    const QString target =
        QDir(dir).filePath(QStringLiteral("%1-%2").arg(progr).arg(source.fileName()));
    QFile::remove(target);
    if (!QFile::copy(source.absoluteFilePath(), target))
        throw std::runtime_error("Impossibile copiare " + path + " in " + target.toStdString());
    try {
        db_->execute(
            "INSERT INTO CG99_MULTIMEDIA (CG99_IDMEDIA, CG99_PROGR, CG99_DITTA_CG18, "
            "CG99_MODO, CG99_RIFERIMENTO, CG99_FILE, CG99_DESCR) VALUES (" +
            idText + ", " + std::to_string(progr) + ", " + company + ", " + std::to_string(mode_) +
            ", " + sqlQuoted(reference_) + ", " + sqlQuoted(target.toStdString()) + ", " +
            (description.empty() ? std::string("NULL") : sqlQuoted(description)) + ")");
    } catch (...) {
        QFile::remove(target);
        throw;
    }
    if (created) {
        mediaId_ = id;
        emit AfterMediaCreate(id);
    }
}

void CHyperMedia::RemoveFile(int progr) {
    if (!Editable())
        throw std::runtime_error("I dati multimediali sono aperti in sola lettura");
    if (!db_ || !hasMedia())
        return;
    const std::string where =
        "CG99_IDMEDIA = " + mediaIdText() + " AND CG99_PROGR = " + std::to_string(progr);
    for (const MediaFile& f : readFiles(*db_, filesStatement(where)))
        QFile::remove(QString::fromStdString(f.path));
    db_->execute("DELETE FROM CG99_MULTIMEDIA WHERE " + where);
}

std::vector<MediaFile> CHyperMedia::FilesOf(db::Connection& connection, const std::string& company,
                                            int mode, const std::string& reference) {
    if (company.empty() || reference.empty())
        return {};
    return readFiles(connection, filesStatement("CG99_DITTA_CG18 = " + companyLiteral(company) +
                                                " AND CG99_MODO = " + std::to_string(mode) +
                                                " AND CG99_RIFERIMENTO = " + sqlQuoted(reference)));
}

}  // namespace framework
