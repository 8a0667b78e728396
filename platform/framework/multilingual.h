#pragma once
// The host's multilingual service: a catalogue of message numbers with their
// texts in the user's language, translation of captions by text, and the
// message box that shows them and answers the button pressed.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/value.h"

namespace framework {

// Shows a message box and answers the button pressed (1 OK, 2 Cancel, 3 Abort,
// 4 Retry, 5 Ignore, 6 Yes, 7 No). Style and title follow the usual
// message-box bits (buttons + icon + default button + modality).
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int Show(const std::string& text, int style, const std::string& title) = 0;
};

// Process-wide message box: Qt dialogs by default; tests install a scripted
// one (nullptr restores the default).
void SetMessageBoxService(MessageBoxService* service);
MessageBoxService& MessageBoxes();

// Message numbers and texts. Texts may hold placeholders %1, %2... replaced
// by the parameters in order.
class Catalogue {
public:
    // Reads "number<TAB>text" lines (UTF-8; '#' starts a comment line; "\n"
    // in a text is a line break, "\t" a tab, "\\" a backslash) and
    // "=caption<TAB>translation" lines for captions translated by text. Throws
    // std::runtime_error naming the file when it cannot be read.
    static Catalogue FromFile(const std::string& path);
    void Add(long number, std::string text) { texts_[number] = std::move(text); }
    bool Contains(long number) const { return texts_.count(number) != 0; }
    // The text of number with the parameters inserted; "[x" number "x] "
    // followed by the fallback when the number is missing.
    std::string Text(long number, const std::vector<db::Value>& parameters,
                     const std::string& fallback = {}) const;
    // Translation of a caption by its own text (identity when none).
    void AddTranslation(std::string from, std::string to) {
        translations_[std::move(from)] = std::move(to);
    }
    std::string Translate(const std::string& text) const;
    std::size_t Size() const { return texts_.size(); }

private:
    std::map<long, std::string> texts_;
    std::map<std::string, std::string> translations_;
};

class Multilingual {
public:
    explicit Multilingual(Catalogue catalogue = {}) : catalogue_(std::move(catalogue)) {}

    // Shows a text as it is.
    int ShowText(const std::string& text, int style, const std::string& title) const;
    // Shows catalogue message number with the parameters inserted; a number
    // missing from the catalogue shows "[x" number "x] " and the fallback.
    int ShowMessage(long number, const std::vector<db::Value>& parameters, int style,
                    const std::string& title, const std::string& fallback = {}) const;
    std::string Text(long number, const std::vector<db::Value>& parameters,
                     const std::string& fallback = {}) const;
    std::string Translate(const std::string& text) const { return catalogue_.Translate(text); }
    const Catalogue& catalogue() const { return catalogue_; }

private:
    Catalogue catalogue_;
};

// PANX_MULTILINGUA.CLSFW_MULTILINGUA: the message service a component creates
// for itself when no host is attached.
class CLSFW_MULTILINGUA {
public:
    int KOVMsgBox(const std::string& text, int style, const std::string& title) {
        return MessageBoxes().Show(text, style, title);
    }
};

}  // namespace framework
