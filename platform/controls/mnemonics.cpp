#include "platform/controls/mnemonics.h"

#include <QAbstractButton>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

namespace controls {

namespace {

// The mnemonic letter of a caption ("&Nuovo": 'N'), or a null QChar.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&'))
                return text[i + 1].toUpper();
            ++i;
        }
    return {};
}

// Where the '&' goes: a word's free initial first, then any free letter.
qsizetype freeLetter(const QString& text, const QSet<QChar>& taken) {
    for (int pass = 0; pass < 2; ++pass)
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool initial = i == 0 || !text[i - 1].isLetterOrNumber();
            if ((pass == 0 && !initial) || !text[i].isLetterOrNumber())
                continue;
            if (!taken.contains(text[i].toUpper()))
                return i;
        }
    return -1;
}

// Where the letter c is in text, a word's initial first; -1 when it is not.
qsizetype letterAt(const QString& text, QChar c) {
    qsizetype any = -1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].toUpper() == c) {
            if (i == 0 || !text[i - 1].isLetterOrNumber())
                return i;
            if (any < 0)
                any = i;
        }
    return any;
}

bool shown(const QAbstractButton* b) {
    // Icon-only tool buttons and the look-up boxes' "..." have no caption.
    return !b->text().isEmpty() && !b->text().startsWith(QLatin1Char('.'));
}

}  // namespace

QSet<QChar> AssignMnemonics(QWidget* root, QSet<QChar> taken, const QList<QWidget*>& skip) {
    QList<QAbstractButton*> buttons = root->findChildren<QAbstractButton*>();
    buttons.removeIf([&](const QAbstractButton* b) {
        for (const QWidget* s : skip)
            if (s->isAncestorOf(b))
                return true;
        return false;
    });
    for (const QAbstractButton* b : buttons)
        if (const QChar c = mnemonicOf(b->text()); !c.isNull())
            taken.insert(c);
    // A page's main commands (property "mnemonicFirst") choose theirs first.
    std::stable_partition(buttons.begin(), buttons.end(), [](const QAbstractButton* b) {
        return b->property("mnemonicFirst").toBool();
    });
    for (QAbstractButton* b : buttons) {
        if (!shown(b) || !mnemonicOf(b->text()).isNull() ||
            (qobject_cast<QToolButton*>(b) && !b->property("takesMnemonic").toBool()))
            continue;
        QString text = b->text();
        const qsizetype at = freeLetter(text, taken);
        if (at < 0)
            continue;
        taken.insert(text[at].toUpper());
        text.insert(at, QLatin1Char('&'));
        b->setText(text);
    }
    return taken;
}

void SetCommandText(QAbstractButton* button, const QString& text) {
    if (!button)
        return;
    const QChar old = mnemonicOf(button->text());
    if (old.isNull() || !mnemonicOf(text).isNull()) {
        button->setText(text);
        return;
    }
    qsizetype at = letterAt(text, old);
    if (at < 0) {
        QSet<QChar> taken;
        for (const QAbstractButton* b : button->window()->findChildren<QAbstractButton*>())
            if (b != button)
                if (const QChar c = mnemonicOf(b->text()); !c.isNull())
                    taken.insert(c);
        at = freeLetter(text, taken);
    }
    QString caption = text;
    if (at >= 0)
        caption.insert(at, QLatin1Char('&'));
    button->setText(caption);
}

QString PlainCaption(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

}  // namespace controls
