#pragma once
// CHyperMedia, the host's multimedia manager: the images and documents linked
// to a record. A record refers to its media by an identifier; the files are
// copied into the host's media folder and listed in CG99_MULTIMEDIA. Adding
// the first file to a record without media creates the identifier and
// raises AfterMediaCreate, so that the record can store it.

#include <QObject>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/db/value.h"

class QWidget;

namespace db {
class Connection;
}

namespace framework {

struct MediaFile {
    int progr = 0;
    std::string path;  // the stored copy
    std::string description;
};

class CHyperMedia : public QObject {
    Q_OBJECT
public:
    // Kinds of record: 1 warehouse items.
    enum Mode : int { kArticoli = 1 };
    // How Open lets the user work: 1 add and remove, 0 look only.
    enum OpenMode : int { kSoloLettura = 0, kModifica = 1 };

    explicit CHyperMedia(QObject* parent = nullptr);

    void SetMode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }
    void SetDatabase(db::Connection* connection) { db_ = connection; }
    db::Connection* Database() const { return db_; }
    // The record the media belong to (an item code).
    void SetReference(std::string reference) { reference_ = std::move(reference); }
    const std::string& Reference() const { return reference_; }

    // Opens the manager on the record's media and returns once it is closed.
    // mediaId Empty, Null or 0: the record has none yet.
    void Open(const db::Value& company, const db::Value& language, const std::string& folder,
              const db::Value& mediaId, std::int32_t hwndParent, const std::string& title,
              int openMode);

    // ---- what Open set up, and the work its window does
    const db::Value& MediaId() const { return mediaId_; }
    const std::string& Company() const { return company_; }
    const std::string& Folder() const { return folder_; }
    bool Editable() const { return openMode_ == kModifica; }
    QWidget* ParentWindow() const;
    std::vector<MediaFile> Files() const;
    // Copies the file into the media folder and lists it; the first file of
    // a record creates its identifier. Throws std::runtime_error naming the
    // file or the reason; nothing is recorded then.
    void AddFile(const std::string& path, const std::string& description = {});
    void RemoveFile(int progr);

    // The files of a record, for viewers ("" company or reference: none).
    static std::vector<MediaFile> FilesOf(db::Connection& connection, const std::string& company,
                                          int mode, const std::string& reference);

signals:
    void AfterMediaCreate(const db::Value& mediaId);

private:
    bool hasMedia() const;
    std::string mediaIdText() const;

    int mode_ = 0;
    db::Connection* db_ = nullptr;
    std::string reference_;
    db::Value mediaId_;
    std::string company_, language_, folder_;
    std::int32_t hwndParent_ = 0;
    int openMode_ = kSoloLettura;
};

// The window Open shows. Process-wide: a Qt dialog by default; tests
// install a scripted one (nullptr restores the dialog).
class MediaPresenter {
public:
    virtual ~MediaPresenter() = default;
    virtual void Present(CHyperMedia& media, const std::string& title) = 0;
};
void SetMediaPresenter(MediaPresenter* presenter);

}  // namespace framework
