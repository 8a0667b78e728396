#include "platform/framework/multilingual.h"

#include <QApplication>
#include <QMessageBox>
#include <fstream>
#include <stdexcept>

namespace framework {

namespace {

// Message boxes of the desktop, styled by the usual bits.
class QtMessageBoxes : public MessageBoxService {
public:
    int Show(const std::string& text, int style, const std::string& title) override {
        QMessageBox box(iconOf(style), QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::NoButton, QApplication::activeWindow());
        struct B {
            QMessageBox::StandardButton button;
            int answer;
        };
        std::vector<B> buttons;
        switch (style & 0xF) {
            case 1:
                buttons = {{QMessageBox::Ok, 1}, {QMessageBox::Cancel, 2}};
                break;
            case 2:
                buttons = {
                    {QMessageBox::Abort, 3}, {QMessageBox::Retry, 4}, {QMessageBox::Ignore, 5}};
                break;
            case 3:
                buttons = {{QMessageBox::Yes, 6}, {QMessageBox::No, 7}, {QMessageBox::Cancel, 2}};
                break;
            case 4:
                buttons = {{QMessageBox::Yes, 6}, {QMessageBox::No, 7}};
                break;
            case 5:
                buttons = {{QMessageBox::Retry, 4}, {QMessageBox::Cancel, 2}};
                break;
            default:
                buttons = {{QMessageBox::Ok, 1}};
                break;
        }
        for (const B& b : buttons)
            box.addButton(b.button);
        const std::size_t def = static_cast<std::size_t>((style >> 8) & 0x3);
        if (def < buttons.size())
            box.setDefaultButton(buttons[def].button);
        const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
        for (const B& b : buttons)
            if (b.button == chosen)
                return b.answer;
        // Closed without a button: the cancel answer, or the only one.
        return buttons.size() == 1 ? buttons[0].answer : 2;
    }

private:
    static QMessageBox::Icon iconOf(int style) {
        switch (style & 0x70) {
            case 16:
                return QMessageBox::Critical;
            case 32:
                return QMessageBox::Question;
            case 48:
                return QMessageBox::Warning;
            case 64:
                return QMessageBox::Information;
            default:
                return QMessageBox::NoIcon;
        }
    }
};

MessageBoxService* installed = nullptr;

std::string insert(std::string text, const std::vector<db::Value>& parameters) {
    for (std::size_t i = parameters.size(); i-- > 0;) {
        const std::string mark = "%" + std::to_string(i + 1);
        const std::string value = parameters[i].toText();
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + value.size()))
            text.replace(at, mark.size(), value);
    }
    return text;
}

// "\n", "\t" and "\\" of a catalogue line.
std::string unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 't' || next == '\\') {
                out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

void SetMessageBoxService(MessageBoxService* service) {
    installed = service;
}

MessageBoxService& MessageBoxes() {
    static QtMessageBoxes qt;
    return installed ? *installed : qt;
}

Catalogue Catalogue::FromFile(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("Impossibile leggere il catalogo dei messaggi " + path);
    Catalogue c;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        if (line[0] == '=') {  // a caption translated by its own text
            c.AddTranslation(unescape(line.substr(1, tab - 1)), unescape(line.substr(tab + 1)));
            continue;
        }
        try {
            c.Add(std::stol(line.substr(0, tab)), unescape(line.substr(tab + 1)));
        } catch (const std::exception&) {
            // A line without a number is not a message.
        }
    }
    return c;
}

std::string Catalogue::Text(long number, const std::vector<db::Value>& parameters,
                            const std::string& fallback) const {
    auto it = texts_.find(number);
    if (it == texts_.end())
        return "[x" + std::to_string(number) + "x] " + insert(fallback, parameters);
    return insert(it->second, parameters);
}

std::string Catalogue::Translate(const std::string& text) const {
    auto it = translations_.find(text);
    return it == translations_.end() ? text : it->second;
}

int Multilingual::ShowText(const std::string& text, int style, const std::string& title) const {
    return MessageBoxes().Show(text, style, title);
}

int Multilingual::ShowMessage(long number, const std::vector<db::Value>& parameters, int style,
                              const std::string& title, const std::string& fallback) const {
    return MessageBoxes().Show(Text(number, parameters, fallback), style, title);
}

std::string Multilingual::Text(long number, const std::vector<db::Value>& parameters,
                               const std::string& fallback) const {
    return catalogue_.Text(number, parameters, fallback);
}

}  // namespace framework
