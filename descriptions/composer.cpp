#include "descriptions/composer.h"

#include "common/value_helpers.h"
#include "descriptions/descriptions_sql.h"
#include "platform/db/connection.h"
#include "platform/db/value.h"

namespace descriptions {

namespace {

std::vector<std::vector<db::Value>> rowsOf(db::Connection& cn, const std::string& sql) {
    db::BatchResult r = cn.run(sql);
    if (r.resultSets.empty())
        return {};
    return std::move(r.resultSets.back().rows);
}

int intOf(const db::Value& v, int deflt) {
    return static_cast<int>(db::integerOf(v, deflt));
}

}  // namespace

int lunghezza(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

std::string tronca(const std::string& text, int characters) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (n == characters)
                return text.substr(0, i);
            ++n;
        }
    }
    return text;
}

Composer::Composer(db::Connection& connection, std::string company)
    : cn_(connection), company_(std::move(company)) {
    for (const auto& row :
         rowsOf(cn_, common::SqlVariantSizes(company_) + " ORDER BY MG5F_CODICEVAR")) {
        Slot s;
        s.codice = common::NzStringa(row.at(0));
        s.descrizione = common::NzStringa(row.at(1));
        s.size = std::max(intOf(row.at(3), 0), 0);
        s.start = intOf(row.at(4), 1);
        width_ = std::max(width_, s.start + s.size - 1);
        dims_.push_back(std::move(s));
    }
}

const std::vector<VarianteArticolo>& Composer::varianti(const std::string& item) {
    auto it = items_.find(item);
    if (it != items_.end())
        return it->second;
    std::vector<VarianteArticolo> out;
    for (const auto& row : rowsOf(cn_, sqlManagedVariants(company_, item))) {
        VarianteArticolo v;
        v.codice = common::NzStringa(row.at(0));
        v.indice = common::indiceVariante(v.codice);
        const std::string grouping = common::NzStringa(row.at(1));
        for (const auto& s : dims_)
            if (s.codice == v.codice) {
                v.descrizione = s.descrizione;
                v.start = s.start;
                v.size = s.size;
            }
        for (const auto& o : rowsOf(cn_, sqlOptionsOfVariant(company_, v.codice, grouping))) {
            const std::string option = common::NzStringa(o.at(0));
            v.opzioni.push_back(option);
            v.descrizioni[option] = common::NzStringa(o.at(1));
        }
        out.push_back(std::move(v));
    }
    return items_[item] = std::move(out);
}

std::pair<std::string, std::string> Composer::testoArticolo(const std::string& item,
                                                            const std::string& language,
                                                            bool baseOnly) {
    const std::string lang = baseOnly ? std::string() : language;
    const std::string key = item + "\x01" + lang;
    auto it = texts_.find(key);
    if (it != texts_.end())
        return it->second;
    std::pair<std::string, std::string> base, inLanguage;
    bool found = false;
    for (const auto& row : rowsOf(cn_, sqlItemTexts(company_, item, lang))) {
        std::pair<std::string, std::string> t{common::NzStringa(row.at(1)),
                                              common::NzStringa(row.at(2))};
        if (common::NzStringa(row.at(0)).empty())
            base = t;
        if (common::NzStringa(row.at(0)) == lang && !lang.empty()) {
            inLanguage = t;
            found = true;
        }
    }
    if (base.first.empty())
        for (const auto& row : rowsOf(cn_, sqlItemDescription(company_, item)))
            base.first = common::NzStringa(row.at(0));
    return texts_[key] = found ? inLanguage : base;
}

std::vector<std::string> Composer::opzioniDi(const std::string& item, const std::string& code) {
    std::vector<std::string> options;
    for (const auto& v : varianti(item)) {
        options.push_back(db::rtrim(common::OptionFromSlot(code, v.start, v.size)));
    }
    return options;
}

std::string Composer::opzioneMancante(const std::string& item,
                                      const std::vector<std::string>& options) {
    const auto& vars = varianti(item);
    for (std::size_t i = 0; i < vars.size() && i < options.size(); ++i)
        if (!options[i].empty() && vars[i].descrizioni.count(options[i]) == 0)
            return options[i];
    return {};
}

std::pair<std::string, std::string> Composer::componi(const std::string& item,
                                                      const std::vector<std::string>& options,
                                                      const std::string& language, bool baseOnly) {
    const auto& vars = varianti(item);
    auto [descr, extended] = testoArticolo(item, language, baseOnly);
    std::string details;
    for (std::size_t i = 0; i < vars.size() && i < options.size(); ++i) {
        if (options[i].empty())
            continue;
        auto d = vars[i].descrizioni.find(options[i]);
        const std::string text =
            d != vars[i].descrizioni.end() && !d->second.empty() ? d->second : options[i];
        descr += (descr.empty() ? "" : " ") + text;
        details += (details.empty() ? "" : "; ") + vars[i].descrizione + ": " + text;
    }
    extended = extended.empty() ? details : extended + " - " + details;
    return {tronca(descr, kLunghezzaDescrizione), tronca(extended, kLunghezzaEstesa)};
}

}  // namespace descriptions
