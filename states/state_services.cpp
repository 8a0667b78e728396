#include "states/state_services.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QSignalBlocker>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "groupings/carica_combo_varianti.h"
#include "platform/controls/progress.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "states/states_sql.h"

namespace states {

namespace {

std::string dataItaliana(const db::DateTime& d) {
    return QDate(d.year, d.month, d.day).toString(QStringLiteral("dd/MM/yyyy")).toStdString();
}

}  // namespace

void LoadScopeCombo(QComboBox* combo) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItem(QStringLiteral("Singola  - per l'articolo selezionato"), kSingola);
    combo->addItem(QStringLiteral("Generale - per tutti gli articoli"), kGenerale);
    combo->setCurrentIndex(0);
}

void LoadVariantCombo(common::ItemCard& card, QComboBox* combo) {
    groupings::CaricaComboVarianti(card, combo);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

int valoreCombo(const QComboBox* combo) {
    if (!combo || combo->currentIndex() < 0)
        return -1;
    bool ok = false;
    const int value = combo->currentData().toInt(&ok);
    return ok ? value : -1;
}

std::string CondArt(int ambito, const std::string& codArt) {
    return ambito == kSingola ? "= '" + codArt + "'" : "IS NULL";
}

std::string GetSqlElencoStati(common::ItemCard& card) {
    common::WindowServices& ws = card.services();
    StateChoiceWords words;
    words.no = ws.TraduciTesto("No", 39318, std::nullopt, 1);
    words.yes = ws.TraduciTesto("Si", 52384, std::nullopt, 1);
    words.startDate = ws.TraduciTesto("- dt.ini:", 79662, std::nullopt, 1);
    words.endDate = ws.TraduciTesto("- dt.fin:", 79663, std::nullopt, 1);
    words.active = ws.TraduciTesto("- attivo:", 80600, std::nullopt, 1);
    return sqlStateChoices(card.companyCode(), words);
}

std::vector<std::pair<db::Value, QString>> ElencoStati(common::ItemCard& card) {
    std::vector<std::pair<db::Value, QString>> entries;
    try {
        db::Recordset rs;
        rs.open(GetSqlElencoStati(card), card.connection());
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            entries.emplace_back(
                rs.value("Codice"),
                QString::fromStdString(common::NzStringa(rs.value("Descrizione"))));
    } catch (const std::exception&) {
        entries.clear();
    }
    return entries;
}

db::Value CodeFromText(common::ItemCard& card, const QString& testo) {
    try {
        db::Recordset rs;
        rs.open(GetSqlElencoStati(card), card.connection());
        rs.setFilter("Descrizione = '" + testo.toStdString() + "'");
        if (rs.recordCount() == 1) {
            rs.moveFirst();
            return rs.value("Codice");
        }
    } catch (const std::exception&) {
    }
    return {};
}

Stato DecodificaStato(common::ItemCard& card, const std::string& codice) {
    Stato stato;
    try {
        const std::string code = common::NzValore(db::Value(codice), "");
        db::Recordset rs;
        rs.open(sqlStatesByCode(code), card.connection());
        if (rs.recordCount() == 0)
            return stato;
        rs.moveFirst();
        // The same code in several companies: the current company's state.
        if (rs.recordCount() > 1) {
            db::Recordset own;
            own.open(sqlCompanyStateByCode(card.companyCode(), code), card.connection());
            if (own.recordCount() > 0) {
                own.moveFirst();
                for (; !rs.eof(); rs.moveNext())
                    if (db::Value::compare(rs.value("MG5V_IDSTATOVAR"),
                                           own.value("MG5V_IDSTATOVAR")) == 0)
                        break;
                if (rs.eof())
                    rs.moveFirst();
            }
        }
        stato.id = common::NzNumero(rs.value("MG5V_IDSTATOVAR"));
        stato.attivo = static_cast<int>(
            common::NzNumero(rs.value("MG5V_ATTIVO")).toDecimal()->toInt64().value_or(0));
        stato.descrizione = common::NzStringa(rs.value("MG5V_DESCR"));
    } catch (const std::exception&) {
        stato = Stato{};
    }
    return stato;
}

std::string GetCodiceStato(common::ItemCard& card, const db::Value& id) {
    try {
        db::Recordset rs;
        rs.open(sqlStateCode(StateNumber(id).toText()), card.connection());
        if (rs.recordCount() > 0) {
            rs.moveFirst();
            return common::NzStringa(rs.value("MG5V_CODICE"));
        }
    } catch (const std::exception&) {
    }
    return "";
}

db::Value GetIdStagione(common::ItemCard& card, const std::string& codice) {
    try {
        const std::string code = common::NzValore(db::Value(codice), "");
        if (code.empty())
            return 0;
        db::Recordset rs;
        rs.open(sqlSeasonByCode(card.companyCode(), code), card.connection());
        if (rs.recordCount() > 0) {
            rs.moveFirst();
            return common::NzNumero(rs.value("MG5T_IDSTAGIONE"));
        }
    } catch (const std::exception&) {
    }
    return 0;
}

std::string SeasonYear(common::ItemCard& card, const db::Value& idStagione) {
    try {
        db::Recordset rs;
        rs.open(sqlSeasonYear(card.companyCode(), StateNumber(idStagione).toText()),
                card.connection());
        if (rs.recordCount() > 0) {
            rs.moveFirst();
            return common::NzStringa(rs.value("ANNO"));
        }
    } catch (const std::exception&) {
    }
    return "";
}

db::Value StateNumber(const db::Value& value) {
    if (value.isEmptyOrNull())
        return 0;
    if (value.isText() && common::NzValore(value, "").empty())
        return 0;
    return common::NzNumero(value);
}

bool statoVuoto(const db::Value& value) {
    const auto d = StateNumber(value).toDecimal();
    return !d || d->isZero();
}

bool ConfirmValidity(common::ItemCard& card, const db::Value& id) {
    if (statoVuoto(id))
        return true;
    db::Recordset rs;
    rs.open(sqlStateValidity(card.companyCode(), StateNumber(id).toText()), card.connection());
    if (rs.recordCount() == 0)
        return true;
    rs.moveFirst();
    const db::Value& fine = rs.value("MG5V_DATAFINE");
    if (fine.type() != db::Value::Type::Date)
        return true;
    const db::DateTime& d = fine.asDate();
    if (QDate(d.year, d.month, d.day) >= QDate::currentDate())
        return true;
    common::WindowServices& ws = card.services();
    const std::string codice = common::NzStringa(rs.value("MG5V_CODICE"));
    const std::string scadenza = dataItaliana(d);
    const int risposta = ws.VisualizzaMessaggio(
        "Lo stato " + codice +
            " non \xC3\xA8 pi\xC3\xB9 valido: la sua validit\xC3\xA0 \xC3\xA8 terminata il " +
            scadenza + ". Assegnarlo comunque?",
        91520, common::vbYesNo + common::vbQuestion + common::vbDefaultButton2,
        ws.TraduciTesto("Avviso Utente", 8522),
        std::vector<db::Value>{db::Value(codice), db::Value(scadenza)});
    return risposta == common::vbYes;
}

std::string ItemGrouping(common::ItemCard& card, const std::string& variante) {
    db::Recordset rs;
    rs.open(sqlItemGrouping(card.companyCode(), card.currentItem(), variante), card.connection());
    if (rs.recordCount() != 1)
        return "";
    rs.moveFirst();
    return common::NzStringa(rs.value("MG6B_CODRAGGVAR_MG5G"));
}

bool ItemHasVariants(common::ItemCard& card) {
    db::Recordset* rs = card.itemRecordset();
    if (!rs || !rs->hasCurrentRow())
        return false;
    const auto d = common::NzNumero(rs->value("MG66_FLGVARART")).toDecimal();
    return d && !d->isZero();
}

void ReadChosenVariant(common::Procedure& p, common::ItemCard& card, const QComboBox* combo,
                       std::string& variante, std::string& raggr) {
    p.step([&] { variante = common::codiceVariante(valoreCombo(combo)); });
    p.step([&] { raggr = variante.empty() ? "" : ItemGrouping(card, variante); });
}

void BeginStateLoad(common::Procedure& p, common::CardTab& tab, QComboBox* combo,
                    std::string& variante, std::string& raggr) {
    common::ItemCard* card = &tab.card();
    p.onAbort([card] { common::HideProgress(*card); });
    p.step([&] { common::ShowProgress(*card, "Caricamento in corso...", 10044); });
    p.step([&] {
        variante.clear();
        raggr.clear();
        card->PulisciTab(tab.index());
    });
    p.step([&] { LoadVariantCombo(*card, combo); });
}

QString NoVariantWarning(common::ItemCard& card, const QComboBox* varianti) {
    if (!ItemHasVariants(card))
        return QStringLiteral("L'articolo non \u00e8 gestito a varianti.");
    if (varianti->count() == 0)
        return QStringLiteral(
            "L'articolo non ha varianti attive: attivarle in \"Attivazione varianti\".");
    return {};
}

}  // namespace states
