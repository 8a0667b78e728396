#include "states/state_services.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QSignalBlocker>

#include "common/item_card.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/progress.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace states {

namespace {

void sostituisci(std::string& text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// The state choice list as the database is given it; the words are put in
// by GetSqlElencoStati.
const char* const kSqlElencoStati = R"(;WITH CTE_MG5V AS (
   SELECT
       MG5V_IDSTATOVAR,
       MG5V_CODICE,
       MG5V_DESCR,
       CASE WHEN MG5V_DATAINIZIO IS NOT NULL THEN
       CASE WHEN DAY(MG5V_DATAINIZIO) > 9 THEN CONVERT(CHAR(2), DAY(MG5V_DATAINIZIO)) ELSE '0' + CONVERT(CHAR(1), DAY(MG5V_DATAINIZIO)) END + '/' +
       CASE WHEN MONTH(MG5V_DATAINIZIO) > 9 THEN CONVERT(CHAR(2), MONTH(MG5V_DATAINIZIO)) ELSE '0' + CONVERT(CHAR(1), MONTH(MG5V_DATAINIZIO)) END + '/' +
       CONVERT(CHAR(4), YEAR(MG5V_DATAINIZIO))
       ELSE '' END AS MG5V_DATAINIZIO,
       CASE WHEN MG5V_DATAFINE IS NOT NULL THEN
       CASE WHEN DAY(MG5V_DATAFINE) > 9 THEN CONVERT(CHAR(2), DAY(MG5V_DATAFINE)) ELSE '0' + CONVERT(CHAR(1), DAY(MG5V_DATAFINE)) END + '/' +
       CASE WHEN MONTH(MG5V_DATAFINE) > 9 THEN CONVERT(CHAR(2), MONTH(MG5V_DATAFINE)) ELSE '0' + CONVERT(CHAR(1), MONTH(MG5V_DATAFINE)) END + '/' +
       CONVERT(CHAR(4), YEAR(MG5V_DATAFINE))
       ELSE '' END AS MG5V_DATAFINE,
       CASE WHEN ISNULL(MG5V_ATTIVO, 0) = 0 THEN N'{No}' ELSE N'{Si}' END AS MG5V_ATTIVO
   FROM
       MG5V_STATIVAR WITH (NOLOCK)
   WHERE
       MG5V_DITTA_CG18 = {Ditta}
) SELECT
   CONVERT(DECIMAL(18, 0), 0) AS Codice,
   '' AS Descrizione
UNION ALL SELECT
   MG5V_IDSTATOVAR AS Codice,
   RTRIM(MG5V_CODICE) +
   CASE WHEN ISNULL(MG5V_DESCR, '') <> '' THEN ' - ' + RTRIM(ISNULL(MG5V_DESCR, '')) ELSE '' END +
   CASE WHEN ISNULL(MG5V_DATAINIZIO, '') <> '' THEN N'{DtIni}' + MG5V_DATAINIZIO ELSE '' END +
   CASE WHEN ISNULL(MG5V_DATAFINE, '') <> '' THEN N'{DtFin}' + MG5V_DATAFINE ELSE '' END +
   N'{Attivo}' + MG5V_ATTIVO
    AS Descrizione
FROM
   CTE_MG5V WITH (NOLOCK)
ORDER BY
   Descrizione)";

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
    std::string sql = kSqlElencoStati;
    sostituisci(sql, "{No}", ws.TraduciTesto("No", 39318, std::nullopt, 1));
    sostituisci(sql, "{Si}", ws.TraduciTesto("Si", 52384, std::nullopt, 1));
    sostituisci(sql, "{DtIni}", ws.TraduciTesto("- dt.ini:", 79662, std::nullopt, 1));
    sostituisci(sql, "{DtFin}", ws.TraduciTesto("- dt.fin:", 79663, std::nullopt, 1));
    sostituisci(sql, "{Attivo}", ws.TraduciTesto("- attivo:", 80600, std::nullopt, 1));
    sostituisci(sql, "{Ditta}", card.companyCode());
    return sql;
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
        rs.open(
            "SELECT MG5V_IDSTATOVAR, MG5V_ATTIVO, MG5V_DESCR FROM MG5V_STATIVAR WITH (NOLOCK) "
            "WHERE MG5V_CODICE = '" +
                code + "'",
            card.connection());
        if (rs.recordCount() == 0)
            return stato;
        rs.moveFirst();
        // The same code in several companies: the current company's state.
        if (rs.recordCount() > 1) {
            db::Recordset own;
            own.open(
                "SELECT MG5V_IDSTATOVAR FROM MG5V_STATIVAR WITH (NOLOCK) WHERE "
                "MG5V_DITTA_CG18 = " +
                    card.companyCode() + " AND MG5V_CODICE = '" + code + "'",
                card.connection());
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
        rs.open("SELECT MG5V_CODICE FROM MG5V_STATIVAR WITH (NOLOCK) WHERE MG5V_IDSTATOVAR = " +
                    StateNumber(id).toText(),
                card.connection());
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
        rs.open("SELECT MG5T_IDSTAGIONE FROM MG5T_STAGIONI WITH (NOLOCK) WHERE MG5T_DITTA_CG18 = " +
                    card.companyCode() + " AND MG5T_CODICE = '" + code + "'",
                card.connection());
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
        rs.open(
            "SELECT YEAR(MG5T_DATAINIZIO) AS ANNO FROM MG5T_STAGIONI WITH (NOLOCK) WHERE "
            "MG5T_DITTA_CG18 = " +
                card.companyCode() + " AND MG5T_IDSTAGIONE = " + StateNumber(idStagione).toText(),
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
    rs.open(
        "SELECT MG5V_CODICE, MG5V_DATAFINE FROM MG5V_STATIVAR WITH (NOLOCK) WHERE "
        "MG5V_DITTA_CG18 = " +
            card.companyCode() + " AND MG5V_IDSTATOVAR = " + StateNumber(id).toText(),
        card.connection());
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
    const int risposta = ws.VisualizzaMessaggio(
        "Lo stato " + common::NzStringa(rs.value("MG5V_CODICE")) +
            " non \xC3\xA8 pi\xC3\xB9 valido: la sua validit\xC3\xA0 \xC3\xA8 terminata il " +
            dataItaliana(d) + ". Assegnarlo comunque?",
        0, common::vbYesNo + common::vbQuestion + common::vbDefaultButton2,
        ws.TraduciTesto("Avviso Utente", 8522));
    return risposta == common::vbYes;
}

std::string ItemGrouping(common::ItemCard& card, const std::string& variante) {
    db::Recordset rs;
    rs.open("SELECT MG6B_CODRAGGVAR_MG5G FROM MG6B_GESVARART WHERE MG6B_DITTA_CG18 = " +
                card.companyCode() + " AND MG6B_CODART_MG66 = '" + card.currentItem() +
                "' AND MG6B_CODICEVAR_MG5F = '" + variante + "'",
            card.connection());
    if (rs.recordCount() != 1)
        return "";
    rs.moveFirst();
    return common::NzStringa(rs.value("MG6B_CODRAGGVAR_MG5G"));
}

bool ItemHasVariants(common::ItemCard& card) {
    db::Recordset* rs = card.itemRecordset();
    if (!rs || !rs->isOpen() || rs->eof() || rs->bof())
        return false;
    const auto d = common::NzNumero(rs->value("MG66_FLGVARART")).toDecimal();
    return d && !d->isZero();
}

}  // namespace states
