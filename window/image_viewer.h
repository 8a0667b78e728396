#pragma once
// KOV_VISIMAGE1: the images linked to a record, as the host's multimedia
// manager stores them. The viewer asks an ImageSource for the files of a
// key and shows each one; a file that is missing or is not an image gets a
// placeholder that says so, never an error.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace card {

// One stored image of a record.
struct Immagine {
    std::string percorso;     // the file
    std::string descrizione;  // its caption, may be ""
};

// Where the viewer finds a record's images: the host's multimedia manager.
class ImageSource {
public:
    virtual ~ImageSource() = default;
    // The images of the record of that kind (mode 1: warehouse items) and key
    // in the company, through the database the connection string names.
    virtual std::vector<Immagine> immagini(const std::string& connectionString,
                                           const std::string& ditta, int mode,
                                           const std::string& key) = 0;
};
// Process-wide, set by the host; nullptr: no images.
void setImageSource(ImageSource* source);
ImageSource* imageSource();

class ImageViewer : public QWidget {
    Q_OBJECT
public:
    enum class Stato { Immagine, Mancante, NonImmagine };

    explicit ImageViewer(QWidget* parent = nullptr);

    void setConnectionString(std::string connectionString) {
        connectionString_ = std::move(connectionString);
    }
    void setCompany(std::string ditta) { ditta_ = std::move(ditta); }
    void setMode(int mode) { mode_ = mode; }
    int mode() const { return mode_; }
    // Reads the key's images from the source and shows them.
    void setKey(const std::string& key);
    const std::string& key() const { return key_; }
    // Forgets the key and the connection (at unload).
    void clear();
    // How the viewer's own texts reach the user's language (none: Italian).
    void setTranslator(std::function<QString(const QString&)> translate);

    int count() const { return static_cast<int>(entries_.size()); }
    Stato stato(int index) const { return entries_.at(index).stato; }
    QString testo(int index) const;  // the caption or the placeholder shown

private:
    struct Voce {
        Immagine immagine;
        Stato stato;
        QLabel* label;
    };
    void show(const Immagine& immagine);
    QString tradotto(const QString& text) const { return translate_ ? translate_(text) : text; }
    std::function<QString(const QString&)> translate_;
    std::string connectionString_, ditta_, key_;
    int mode_ = 0;
    QScrollArea* area_;
    QWidget* content_;
    QVBoxLayout* layout_;
    QLabel* empty_;
    std::vector<Voce> entries_;
};

}  // namespace card
