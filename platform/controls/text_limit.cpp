#include "platform/controls/text_limit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>
#include <QVariant>
#include <algorithm>

#include "platform/controls/lookup_box.h"

namespace controls {

namespace {

constexpr const char* kLimitProperty = "veldranoTextLimit";
constexpr const char* kCutProperty = "veldranoTextLimitCut";
// QLineEdit's own "no limit".
constexpr int kNoLineLimit = 32767;

// A text of several lines has no maximum of its own: what goes past the
// limit (typed, pasted or set) is cut, the cursor kept where it was.
void cutWhenLonger(QPlainTextEdit* plain) {
    if (plain->property(kCutProperty).toBool())
        return;
    plain->setProperty(kCutProperty, true);
    QObject::connect(plain, &QPlainTextEdit::textChanged, plain, [plain] {
        const int limit = plain->property(kLimitProperty).toInt();
        const QString text = plain->toPlainText();
        if (limit <= 0 || text.size() <= limit)
            return;
        const int at = std::min(plain->textCursor().position(), limit);
        plain->setPlainText(text.left(limit));
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(at);
        plain->setTextCursor(cursor);
    });
}

QString incoming(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard ? clipboard->text() : QString();
    }
    const QString text = event->text();
    if (text.isEmpty() || (text.at(0).category() == QChar::Other_Control && text != "\r"))
        return {};
    return text;
}

}  // namespace

int TextLimit(const QWidget* box) {
    if (const auto* lookup = qobject_cast<const LookupBox*>(box))
        box = lookup->LineEdit();
    if (const auto* edit = qobject_cast<const QLineEdit*>(box))
        return edit->maxLength() >= kNoLineLimit ? 0 : edit->maxLength();
    if (box)
        return std::max(0, box->property(kLimitProperty).toInt());
    return 0;
}

void SetTextLimit(QWidget* box, int limit) {
    if (auto* lookup = qobject_cast<LookupBox*>(box)) {
        lookup->SetMaxLength(limit > 0 ? limit : kNoLineLimit);
    } else if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setMaxLength(limit > 0 ? limit : kNoLineLimit);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        plain->setProperty(kLimitProperty, std::max(0, limit));
        cutWhenLonger(plain);
        if (limit > 0 && plain->toPlainText().size() > limit)
            plain->setPlainText(plain->toPlainText().left(limit));
    }
}

void NarrowTextLimit(QWidget* box, int limit) {
    if (limit <= 0)
        return;
    const int own = TextLimit(box);
    if (own == 0 || limit < own)
        SetTextLimit(box, limit);
}

bool ExceedsTextLimit(const QWidget* box, const QKeyEvent* event) {
    const int limit = TextLimit(box);
    if (limit <= 0 || !event)
        return false;
    const QString text = incoming(event);
    if (text.isEmpty())
        return false;
    if (const auto* edit = qobject_cast<const QLineEdit*>(box)) {
        // Enter confirms a line; it adds nothing to it.
        if (edit->isReadOnly() || text == "\r" || text == "\n")
            return false;
        return edit->text().size() - edit->selectedText().size() + text.size() > limit;
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(box)) {
        if (plain->isReadOnly())
            return false;
        return plain->toPlainText().size() - plain->textCursor().selectedText().size() +
                   text.size() >
               limit;
    }
    return false;
}

QString UnstorableCharacter(const QString& text) {
    // Code page 1252's letters above Latin-1's: euro, quotes, dashes, Š, Œ, Ž...
    static const QString kCp1252 = QString::fromUtf8(
        "\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152"
        "\u017D\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
        "\u0153\u017E\u0178");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size())
            return text.mid(i, 2);
        if ((c.unicode() <= 0xFF && !(c.unicode() >= 0x80 && c.unicode() <= 0x9F)) ||
            kCp1252.contains(c))
            continue;
        return QString(c);
    }
    return {};
}

QString UnstorableCharacter(const QKeyEvent* event) {
    return event ? UnstorableCharacter(incoming(event)) : QString();
}

QString UnstorableText(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    return UnstorableCharacter(text);
}

QString RefusedCharacter(const QWidget* box, const QKeyEvent* event) {
    const auto* edit = qobject_cast<const QLineEdit*>(box);
    if (!edit || !edit->validator() || edit->isReadOnly() || !event)
        return {};
    const QString text = incoming(event);
    if (text.isEmpty() || text == QLatin1String("\r"))
        return {};
    QString candidate = edit->text();
    int at = edit->cursorPosition();
    if (edit->hasSelectedText()) {
        at = edit->selectionStart();
        candidate.remove(at, edit->selectedText().size());
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString next = candidate;
        next.insert(at, text.left(i + 1));
        int pos = at + static_cast<int>(i) + 1;
        if (edit->validator()->validate(next, pos) == QValidator::Invalid)
            return text.mid(i, 1);
    }
    return {};
}

}  // namespace controls
