#include "descriptions/clsfw_calcdescrvar.h"

#include <QString>
#include <algorithm>
#include <map>
#include <set>

#include "common/value_helpers.h"
#include "common/window_services.h"
#include "descriptions/composer.h"
#include "descriptions/descriptions_sql.h"
#include "platform/controls/progress.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/recordset.h"
#include "platform/db/value.h"
#include "platform/framework/component_registry.h"

namespace descriptions {

namespace {

const bool registered =
    (framework::RegisterComponent(kProgIdCalcDescrVar,
                                  [] { return std::make_unique<CLSFW_CALCDESCRVAR>(); }),
     true);

std::vector<std::vector<db::Value>> rowsOf(db::Connection& cn, const std::string& sql) {
    db::BatchResult r = cn.run(sql);
    if (r.resultSets.empty())
        return {};
    return std::move(r.resultSets.back().rows);
}

std::string padded(const std::string& code, int width) {
    std::string out = code;
    while (static_cast<int>(out.size()) < width)
        out += ' ';
    return out;
}

std::string opzioneField(int index) {
    return "OPZIONE_A" + std::to_string(index);
}

}  // namespace

CLSFW_CALCDESCRVAR::CLSFW_CALCDESCRVAR() {
    (void)registered;
    AcceptProperties({"PrelevamentoDescrizioneArticoloBase", "FlagMemorizzazioneSuDataBase",
                      "CodiceArticolo", "CodiceOpzione", "DescrizioneArticoloOpzione"});
    esito(0);
}

CLSFW_CALCDESCRVAR::~CLSFW_CALCDESCRVAR() = default;

QWidget* CLSFW_CALCDESCRVAR::CreateForm(QWidget* parent) {
    (void)parent;
    return nullptr;
}

int CLSFW_CALCDESCRVAR::Stato() const {
    return static_cast<int>(
        GetProperty("Stato").toDecimal().value_or(db::Decimal(0)).toInt64().value_or(0));
}

std::string CLSFW_CALCDESCRVAR::DescrizioneArticoloOpzione() const {
    return TextProperty("DescrizioneArticoloOpzione");
}

void CLSFW_CALCDESCRVAR::esito(int stato, const std::string& messaggio) {
    SetResult("Stato", stato);
    SetResult("Messaggio", messaggio);
}

db::Connection* CLSFW_CALCDESCRVAR::connessione() const {
    if (cn_)
        return cn_;
    return ADOConnection() ? ADOConnection() : Connection();
}

std::string CLSFW_CALCDESCRVAR::ditta() const {
    return ditta_.empty() ? TextProperty("CodiceDitta") : ditta_;
}

Composer& CLSFW_CALCDESCRVAR::composer() {
    if (!composer_)
        composer_ = std::make_unique<Composer>(*connessione(), ditta());
    return *composer_;
}

// ------------------------------------------------------- one variant article

void CLSFW_CALCDESCRVAR::CalcolaDescrizioneOpzione() {
    esito(0);
    db::Connection* cn = connessione();
    const std::string item = TextProperty("CodiceArticolo");
    const std::string code = TextProperty("CodiceOpzione");
    if (!cn || ditta().empty() || item.empty() || code.empty()) {
        esito(1);
        return;
    }
    // Read again for every article: options and descriptions may change.
    composer_.reset();
    Composer& c = composer();
    if (rowsOf(*cn, sqlItemExists(ditta(), item)).empty()) {
        esito(2, "Articolo " + item + " inesistente.");
        return;
    }
    const auto options = c.opzioniDi(item, code);
    const std::string missing = c.opzioneMancante(item, options);
    const bool none =
        std::all_of(options.begin(), options.end(), [](const std::string& o) { return o.empty(); });
    if (!missing.empty() || none || lunghezza(code) > c.larghezza()) {
        esito(3, missing.empty() ? "Variante articolo " + code + " non valida."
                                 : "Opzione " + missing + " inesistente.");
        return;
    }
    const auto base = ValueProperty("PrelevamentoDescrizioneArticoloBase").toDecimal();
    SetResult(
        "DescrizioneArticoloOpzione",
        c.componi(item, options, TextProperty("CodiceLingua"), base && !base->isZero()).first);
    const auto store = ValueProperty("FlagMemorizzazioneSuDataBase").toDecimal();
    if (store && !store->isZero())
        UpdateDescrizioneOpzione();
}

void CLSFW_CALCDESCRVAR::UpdateDescrizioneOpzione() {
    esito(0);
    db::Connection* cn = connessione();
    const std::string item = TextProperty("CodiceArticolo");
    const std::string lang = TextProperty("CodiceLingua");
    if (!cn || ditta().empty() || item.empty() || TextProperty("CodiceOpzione").empty()) {
        esito(1);
        return;
    }
    const std::string code = padded(TextProperty("CodiceOpzione"), composer().larghezza());
    const std::string text = tronca(DescrizioneArticoloOpzione(), kLunghezzaDescrizione);
    try {
        if (cn->execute(sqlSetDescription(ditta(), item, code, lang, text)) == 0)
            cn->execute(sqlInsertDescription(ditta(), item, code, lang, text));
    } catch (const db::DbError& e) {
        if (db::isConnectionFailure(e.sqlState()))
            throw;
        esito(9, e.what());
    }
}

void CLSFW_CALCDESCRVAR::DuplicaScorteUbicazioniOpzione() {
    // The demo database keeps no stock locations per variant article.
    esito(connessione() ? 0 : 1);
}

// --------------------------------------------- every article of a selection

void CLSFW_CALCDESCRVAR::Attach(framework::Cinterface* component, db::Connection* connection,
                                const std::string& connectionString, const std::string& company) {
    componente_ = component;
    cn_ = connection;
    connectionString_ = connectionString;
    ditta_ = company;
    composer_.reset();
}

void CLSFW_CALCDESCRVAR::SetLingua(const std::string& language) {
    std::string code = common::NzStringa(db::Value(language));
    lingua_ = db::rtrim(code.substr(0, std::min<std::size_t>(code.size(), 4)));
}

void CLSFW_CALCDESCRVAR::avanza(long done, long total) {
    if (!progresso_ || total <= 0)
        return;
    // Every hundredth of the way, so the window repaints without slowing the work.
    const long step = std::max<long>(1, total / 100);
    if (done == total || done % step == 0) {
        progresso_->SetMaximum(total);
        progresso_->SetValue(done);
    }
}

void CLSFW_CALCDESCRVAR::Genera() {
    db::Connection* cn = connessione();
    if (!cn)
        throw std::logic_error("Generatore di descrizioni senza connessione");
    composer_.reset();
    Composer& c = composer();

    auto rs = std::make_unique<db::Recordset>();
    rs->appendField("SELEZ", db::FieldType::Decimal, 0, 1, 0);
    rs->appendField("ARTICOLO", db::FieldType::Text, 25);
    rs->appendField("VARIANTE", db::FieldType::Text, 40);
    rs->appendField("DESCRIZIONE_ATTUALE", db::FieldType::Text, kLunghezzaDescrizione);
    for (int i = 0; i < kOpzioniRisultato; ++i)
        rs->appendField(opzioneField(i), db::FieldType::Text, 20);
    rs->appendField("DESCRIZIONE_ESTESA_ATTUALE", db::FieldType::Text, kLunghezzaEstesa);
    rs->appendField("DESCART", db::FieldType::Text, kLunghezzaDescrizione);
    rs->appendField("DESCARTEST", db::FieldType::Text, kLunghezzaEstesa);
    rs->appendField("FLGVARVALIDA", db::FieldType::Decimal, 0, 1, 0);
    rs->open();
    const int fOpz0 = rs->fieldIndex(opzioneField(0));

    std::vector<std::string> items;
    if (!condizione_.empty())
        for (const auto& row : rowsOf(*cn, sqlManagingItems(ditta(), condizione_)))
            items.push_back(common::NzStringa(row.at(0)));

    // Counted before a row is made: with no grouping, a few variants of a
    // few hundred options each give billions of combinations.
    // Within the limit each item's count is exact, and the rows below use it.
    std::vector<long long> totali;
    long long tutte = 0;
    for (const std::string& item : items) {
        long long total = c.varianti(item).empty() ? 0 : 1;
        for (const auto& v : c.varianti(item))
            total = std::min(total * static_cast<long long>(v.opzioni.size()),
                             kMassimoCombinazioni + 1);
        totali.push_back(total);
        tutte = std::min(tutte + total, kMassimoCombinazioni + 1);
    }
    if (tutte > kMassimoCombinazioni) {
        risultato_.reset();  // nothing of an earlier selection stays on show
        throw TroppeCombinazioni(kMassimoCombinazioni);
    }

    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        const auto& vars = c.varianti(item);
        const long long total = totali[i];
        if (total == 0)
            continue;
        std::map<std::string, std::pair<std::string, std::string>> current;
        for (const auto& row : rowsOf(*cn, sqlStoredDescriptions(ditta(), item, lingua_)))
            current[common::NzStringa(row.at(0))] = {common::NzStringa(row.at(1)),
                                                     common::NzStringa(row.at(2))};
        // Every combination, the last variant turning fastest.
        std::vector<std::size_t> at(vars.size(), 0);
        for (long long n = 0; n < total; ++n) {
            std::string code(static_cast<std::size_t>(c.larghezza()), ' ');
            rs->addNew();
            rs->setValue(0, db::Value(db::Decimal(0)));
            rs->setValue(1, db::Value(item));
            for (std::size_t k = 0; k < vars.size(); ++k) {
                const std::string& option = vars[k].opzioni[at[k]];
                code = common::WriteSlot(code, vars[k].start, vars[k].size, option);
                if (vars[k].indice >= 0 && vars[k].indice < kOpzioniRisultato)
                    rs->setValue(fOpz0 + vars[k].indice, db::Value(option));
            }
            rs->setValue(2, db::Value(code));
            const std::string trimmed = db::rtrim(code);
            auto it = current.find(trimmed);
            if (it != current.end()) {
                rs->setValue("DESCRIZIONE_ATTUALE", db::Value(it->second.first));
                rs->setValue("DESCRIZIONE_ESTESA_ATTUALE", db::Value(it->second.second));
            }
            rs->setValue("FLGVARVALIDA", db::Value::null());
            for (std::size_t k = vars.size(); k-- > 0;) {
                if (++at[k] < vars[k].opzioni.size())
                    break;
                at[k] = 0;
            }
        }
    }
    if (rs->recordCount() > 0)
        rs->moveFirst();
    risultato_ = std::move(rs);
    rigenera_ = false;
}

std::vector<std::vector<std::string>> CLSFW_CALCDESCRVAR::coppieNonValide(const std::string& item) {
    std::vector<std::vector<std::string>> pairs;
    for (const auto& row : rowsOf(*connessione(), sqlInvalidPairs(ditta(), item)))
        pairs.push_back({common::NzStringa(row.at(0)), common::NzStringa(row.at(1)),
                         common::NzStringa(row.at(2)), common::NzStringa(row.at(3))});
    return pairs;
}

void CLSFW_CALCDESCRVAR::Componi() {
    if (!risultato_ || !risultato_->isOpen())
        return;
    composer_.reset();
    Composer& c = composer();
    db::Recordset& rs = *risultato_;
    const int fItem = rs.fieldIndex("ARTICOLO"), fCode = rs.fieldIndex("VARIANTE");
    const int fDesc = rs.fieldIndex("DESCART"), fExt = rs.fieldIndex("DESCARTEST");
    const int fValid = rs.fieldIndex("FLGVARVALIDA");
    std::map<std::string, std::vector<std::vector<std::string>>> invalid;
    const std::string filter = rs.filter();
    rs.setFilter("");
    const long total = rs.recordCount();
    for (long r = 0; r < total; ++r) {
        const std::string item = common::NzStringa(rs.valueAt(r, fItem));
        const auto options = c.opzioniDi(item, rs.valueAt(r, fCode).toText());
        const auto [descr, extended] = c.componi(item, options, lingua_);
        rs.setValueAt(r, fDesc, db::Value(descr));
        rs.setValueAt(r, fExt, db::Value(extended));
        if (validita_) {
            auto it = invalid.find(item);
            if (it == invalid.end())
                it = invalid.emplace(item, coppieNonValide(item)).first;
            const auto& vars = c.varianti(item);
            auto optionOf = [&](const std::string& variant) {
                for (std::size_t k = 0; k < vars.size(); ++k)
                    if (vars[k].codice == variant)
                        return options[k];
                return std::string();
            };
            bool valid = true;
            for (const auto& pair : it->second)
                if (optionOf(pair[0]) == pair[1] && optionOf(pair[2]) == pair[3])
                    valid = false;
            rs.setValueAt(r, fValid, db::Value(db::Decimal(valid ? 1 : 0)));
        }
        avanza(r + 1, total);
    }
    rs.setFilter(filter);
}

void CLSFW_CALCDESCRVAR::SelezionaRighe(int mode) {
    if (!risultato_ || !risultato_->isOpen())
        return;
    db::Recordset& rs = *risultato_;
    const int f = rs.fieldIndex("SELEZ");
    for (long r = 0; r < rs.recordCount(); ++r) {
        const bool on = common::IsNonZero(rs.valueAt(r, f));
        const bool now = mode == kSelezionaTutte ? true : mode == kInvertiSelezione ? !on : false;
        rs.setValueAt(r, f, db::Value(db::Decimal(now ? 1 : 0)));
    }
}

void CLSFW_CALCDESCRVAR::Memorizza() {
    scarti_.clear();
    stored_ = 0;
    rigenera_ = false;
    if (!risultato_ || !risultato_->isOpen())
        return;
    db::Connection& cn = *connessione();
    composer_.reset();
    Composer& c = composer();
    db::Recordset& rs = *risultato_;
    const int fSel = rs.fieldIndex("SELEZ"), fItem = rs.fieldIndex("ARTICOLO");
    const int fCode = rs.fieldIndex("VARIANTE"), fDesc = rs.fieldIndex("DESCART");
    const int fExt = rs.fieldIndex("DESCARTEST");
    const int fNow = rs.fieldIndex("DESCRIZIONE_ATTUALE");
    const int fNowExt = rs.fieldIndex("DESCRIZIONE_ESTESA_ATTUALE");

    std::vector<std::string> languages{lingua_};
    if (tutteLingue_) {
        languages = {""};
        for (const auto& row : rowsOf(cn, sqlCompanyLanguageCodes(ditta())))
            languages.push_back(common::NzStringa(row.at(0)));
    }

    // The picked rows that can be stored; the others are listed.
    std::vector<long> rows;
    const std::string filter = rs.filter();
    rs.setFilter("");
    for (long r = 0; r < rs.recordCount(); ++r) {
        if (!common::IsNonZero(rs.valueAt(r, fSel)))
            continue;
        const std::string item = common::NzStringa(rs.valueAt(r, fItem));
        const std::string code = common::NzStringa(rs.valueAt(r, fCode));
        const std::string descr = common::NzStringa(rs.valueAt(r, fDesc));
        const std::string ext = common::NzStringa(rs.valueAt(r, fExt));
        if (common::NzValore(db::Value(descr), "").empty())
            scarti_.push_back({item, code, "descrizione vuota"});
        else if (lunghezza(descr) > kLunghezzaDescrizione)
            scarti_.push_back({item, code,
                               "descrizione di " +
                                   common::countText(lunghezza(descr), common::kCaratteri) +
                                   ", al massimo " + std::to_string(kLunghezzaDescrizione)});
        else if (lunghezza(ext) > kLunghezzaEstesa)
            scarti_.push_back({item, code,
                               "descrizione estesa di " +
                                   common::countText(lunghezza(ext), common::kCaratteri) +
                                   ", al massimo " + std::to_string(kLunghezzaEstesa)});
        else
            rows.push_back(r);
    }

    // Codes already described, per item and language.
    std::map<std::string, std::set<std::string>> stored;
    auto storedFor = [&](const std::string& item,
                         const std::string& lang) -> std::set<std::string>& {
        const std::string key = item + "\x01" + lang;
        auto it = stored.find(key);
        if (it != stored.end())
            return it->second;
        std::set<std::string> codes;
        for (const auto& row : rowsOf(cn, sqlStoredDescriptionCodes(ditta(), item, lang)))
            codes.insert(common::NzStringa(row.at(0)));
        return stored[key] = std::move(codes);
    };

    cn.beginTransaction();
    try {
        long done = 0;
        for (long r : rows) {
            const std::string item = common::NzStringa(rs.valueAt(r, fItem));
            const std::string code = padded(rs.valueAt(r, fCode).toText(), c.larghezza());
            const std::string trimmed = common::NzStringa(db::Value(code));
            for (const std::string& lang : languages) {
                std::pair<std::string, std::string> text{common::NzStringa(rs.valueAt(r, fDesc)),
                                                         common::NzStringa(rs.valueAt(r, fExt))};
                // The texts of the grid are in the chosen language; other
                // languages get theirs composed.
                if (lang != lingua_)
                    text = c.componi(item, c.opzioniDi(item, code), lang);
                auto& codes = storedFor(item, lang);
                if (codes.count(trimmed)) {
                    if (!sovrascrivi_)
                        continue;
                    cn.execute(
                        sqlSetDescriptions(ditta(), item, code, lang, text.first, text.second));
                } else {
                    cn.execute(
                        sqlInsertDescriptions(ditta(), item, code, lang, text.first, text.second));
                }
            }
            avanza(++done, static_cast<long>(rows.size()));
        }
        cn.commitTransaction();
        stored_ = static_cast<long>(rows.size());
    } catch (...) {
        if (cn.transactionDepth() > 0)
            cn.rollbackTransaction();
        rs.setFilter(filter);
        throw;
    }
    // What is stored now is shown as the current description, in place:
    // the result needs no regeneration.
    std::map<std::string, std::map<std::string, std::pair<db::Value, db::Value>>> now;
    for (long r : rows) {
        const std::string item = common::NzStringa(rs.valueAt(r, fItem));
        auto it = now.find(item);
        if (it == now.end()) {
            it = now.emplace(item, std::map<std::string, std::pair<db::Value, db::Value>>()).first;
            for (const auto& row : rowsOf(cn, sqlStoredDescriptions(ditta(), item, lingua_)))
                it->second[common::NzStringa(row.at(0))] = {row.at(1), row.at(2)};
        }
        auto found = it->second.find(common::NzStringa(rs.valueAt(r, fCode)));
        if (found != it->second.end()) {
            rs.setValueAt(r, fNow, found->second.first);
            rs.setValueAt(r, fNowExt, found->second.second);
        }
    }
    rs.setFilter(filter);
}

void CLSFW_CALCDESCRVAR::Detach() {
    progresso_ = nullptr;
    componente_ = nullptr;
    cn_ = nullptr;
    composer_.reset();
    risultato_.reset();
}

}  // namespace descriptions
