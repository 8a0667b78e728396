// The demo host's pictures of the sample knitwear: drawn once into the media
// folder and listed as the multimedia manager lists a user's files.

#include "host/demo_images.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "component/media_images.h"
#include "demo/demo_database.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace {

std::string scalar(db::Connection& cn, const std::string& sql) {
    db::Recordset rs;
    rs.open(sql, cn);
    return rs.eof() ? "" : rs.value(0).toText();
}

TEST(DemoImages, DrawnOnceListedForTheItemAndShownAsImages) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("demo.db").toStdString();
    const std::string media = dir.filePath("media").toStdString();
    demo::createDemoDatabase(path);
    db::Connection cn;
    cn.open("Data Source=" + path);
    host::AddDemoImages(cn, media);

    const auto images =
        component::mediaImages().immagini("Data Source=" + path, "1", 1, "MAGLIA-001");
    ASSERT_EQ(images.size(), 3u);
    for (const auto& image : images) {
        EXPECT_EQ(QFileInfo(QString::fromStdString(image.percorso)).path(),
                  QString::fromStdString(media));
        EXPECT_FALSE(QImage(QString::fromStdString(image.percorso)).isNull()) << image.percorso;
    }
    EXPECT_EQ(images[1].descrizione, "Grigio melange");
    EXPECT_EQ(scalar(cn,
                     "SELECT MG66_IDMEDIA_CG99 FROM MG66_ANAGRART WHERE MG66_DITTA_CG18 = 1 "
                     "AND MG66_CODART = 'MAGLIA-001'"),
              scalar(cn, "SELECT MAX(CG99_IDMEDIA) FROM CG99_MULTIMEDIA"));

    // A second start finds them and adds nothing.
    host::AddDemoImages(cn, media);
    EXPECT_EQ(scalar(cn, "SELECT COUNT(*) FROM CG99_MULTIMEDIA"), "3");
    EXPECT_EQ(QDir(QString::fromStdString(media)).entryList(QDir::Files).size(), 3);
}

}  // namespace
