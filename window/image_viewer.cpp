#include "window/image_viewer.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace card {

namespace {

ImageSource*& currentSource() {
    static ImageSource* source = nullptr;
    return source;
}

constexpr int kLatoMassimo = 480;  // images are shown at most this wide or tall

}  // namespace

void setImageSource(ImageSource* source) {
    currentSource() = source;
}

ImageSource* imageSource() {
    return currentSource();
}

ImageViewer::ImageViewer(QWidget* parent)
    : QWidget(parent), area_(new QScrollArea(this)), content_(new QWidget) {
    setObjectName("KOV_VISIMAGE1");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area_);
    area_->setWidgetResizable(true);
    area_->setWidget(content_);
    layout_ = new QVBoxLayout(content_);
    empty_ = new QLabel(QStringLiteral("Nessuna immagine collegata all'articolo."), content_);
    empty_->setAlignment(Qt::AlignCenter);
    layout_->addWidget(empty_);
    layout_->addStretch(1);
}

void ImageViewer::setTranslator(std::function<QString(const QString&)> translate) {
    translate_ = std::move(translate);
    empty_->setText(tradotto(QStringLiteral("Nessuna immagine collegata all'articolo.")));
}

void ImageViewer::clear() {
    for (auto& v : entries_)
        delete v.label;
    entries_.clear();
    key_.clear();
    empty_->show();
}

void ImageViewer::setKey(const std::string& key) {
    for (auto& v : entries_)
        delete v.label;
    entries_.clear();
    key_ = key;
    std::vector<Immagine> list;
    if (ImageSource* source = imageSource())
        list = source->immagini(connectionString_, ditta_, mode_, key);
    for (const auto& i : list)
        show(i);
    empty_->setVisible(entries_.empty());
}

void ImageViewer::show(const Immagine& immagine) {
    const QString path = QString::fromStdString(immagine.percorso);
    auto* label = new QLabel(content_);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    Voce v{immagine, Stato::Immagine, label};
    QImage image;
    if (!QFileInfo::exists(path)) {
        v.stato = Stato::Mancante;
    } else {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        image = reader.read();
        if (image.isNull())
            v.stato = Stato::NonImmagine;
    }
    if (v.stato == Stato::Immagine) {
        if (image.width() > kLatoMassimo || image.height() > kLatoMassimo)
            image = image.scaled(kLatoMassimo, kLatoMassimo, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
        label->setPixmap(QPixmap::fromImage(image));
        label->setToolTip(QString::fromStdString(immagine.descrizione));
    }
    layout_->insertWidget(layout_->count() - 1, label);
    entries_.push_back(v);
    if (v.stato != Stato::Immagine) {
        // The placeholder keeps the place of the image and says why it is missing.
        label->setMinimumHeight(80);
        label->setText(testo(count() - 1));
    }
}

QString ImageViewer::testo(int index) const {
    if (index < 0 || index >= count())
        return {};
    const Voce& v = entries_[index];
    const QString name = QFileInfo(QString::fromStdString(v.immagine.percorso)).fileName();
    switch (v.stato) {
        case Stato::Mancante:
            return tradotto(QStringLiteral("Immagine non trovata: %1")).arg(name);
        case Stato::NonImmagine:
            return tradotto(QStringLiteral("Il file %1 non \u00e8 un'immagine")).arg(name);
        case Stato::Immagine:
            break;
    }
    return QString::fromStdString(v.immagine.descrizione);
}

}  // namespace card
