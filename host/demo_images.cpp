#include "host/demo_images.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <optional>
#include <stdexcept>

#include "common/value_helpers.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace host {
namespace {

struct Picture {
    const char* item;
    const char* colour;  // the knit's colour
    const char* caption;
};

// The knitwear of the sample company in three of its colours.
constexpr Picture kPictures[] = {
    {"MAGLIA-001", "#1f2a44", "Blu notte"},
    {"MAGLIA-001", "#8a8d91", "Grigio melange"},
    {"MAGLIA-001", "#6d1a2a", "Rosso bordeaux"},
};

long long scalar(db::Connection& connection, const std::string& sql) {
    db::Recordset rs;
    rs.open(sql, connection);
    return rs.eof() ? 0 : db::integerOf(rs.value(0));
}

// A crew-neck jumper on a light background, with ribbed cuffs and hem.
QImage drawJumper(const QColor& colour, const QString& caption) {
    QImage image(360, 300, QImage::Format_RGB32);
    image.fill(QColor("#f4f1ea"));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(135, 40);
    // Left shoulder, sleeve and hem, then the right side back up to the neck.
    for (const QPointF corner :
         {QPointF(90, 55), QPointF(40, 150), QPointF(70, 165), QPointF(105, 110), QPointF(105, 250),
          QPointF(255, 250), QPointF(255, 110), QPointF(290, 165), QPointF(320, 150),
          QPointF(270, 55), QPointF(225, 40)})
        body.lineTo(corner);
    body.cubicTo(215, 70, 145, 70, 135, 40);
    body.closeSubpath();
    p.setPen(QPen(colour.darker(140), 2));
    p.setBrush(colour);
    p.drawPath(body);
    // Ribs at the hem and the cuffs, a band round the neck.
    p.setPen(QPen(colour.lighter(130), 1));
    for (int x = 108; x < 255; x += 6)
        p.drawLine(x, 232, x, 248);
    p.drawLine(45, 148, 68, 160);
    p.drawLine(315, 148, 292, 160);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.lighter(125), 4));
    p.drawArc(QRectF(137, 22, 86, 44), 200 * 16, 140 * 16);
    p.setPen(QColor("#333333"));
    QFont font = p.font();
    font.setPointSize(11);
    p.setFont(font);
    p.drawText(QRect(0, 262, 360, 30), Qt::AlignCenter, caption);
    p.end();
    // The size of a photo the tab shows three of, one above the other.
    return image.scaledToHeight(210, Qt::SmoothTransformation);
}

}  // namespace

void AddDemoImages(db::Connection& connection, const std::string& mediaFolder) {
    if (scalar(connection, "SELECT COUNT(*) FROM CG99_MULTIMEDIA WHERE CG99_DITTA_CG18 = 1") > 0)
        return;
    if (!QDir().mkpath(QString::fromStdString(mediaFolder)))
        throw std::runtime_error("Impossibile creare la cartella " + mediaFolder);
    const long long id = scalar(connection, "SELECT MAX(CG99_IDMEDIA) FROM CG99_MULTIMEDIA") + 1;
    connection.beginTransaction();
    try {
        int progr = 0;
        for (const Picture& picture : kPictures) {
            ++progr;
            const QString file = QDir(QString::fromStdString(mediaFolder))
                                     .filePath(QStringLiteral("demo-%1-%2.png")
                                                   .arg(QString::fromLatin1(picture.item))
                                                   .arg(progr));
            if (!drawJumper(QColor(picture.colour), QString::fromUtf8(picture.caption)).save(file))
                throw std::runtime_error("Impossibile salvare " + file.toStdString());
            connection.execute(
                "INSERT INTO CG99_MULTIMEDIA (CG99_IDMEDIA, CG99_PROGR, CG99_DITTA_CG18, "
                "CG99_MODO, CG99_RIFERIMENTO, CG99_FILE, CG99_DESCR) VALUES (" +
                std::to_string(id) + ", " + std::to_string(progr) + ", 1, 1, '" + picture.item +
                "', '" + common::RaddoppiaApici(file.toStdString()) + "', '" + picture.caption +
                "')");
        }
        connection.execute("UPDATE MG66_ANAGRART SET MG66_IDMEDIA_CG99 = " + std::to_string(id) +
                           " WHERE MG66_DITTA_CG18 = 1 AND MG66_CODART = 'MAGLIA-001'");
        connection.commitTransaction();
    } catch (...) {
        connection.rollbackTransaction();
        throw;
    }
}

}  // namespace host
