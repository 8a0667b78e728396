#include "progressives/righe_progressivi.h"

#include <QString>
#include <stdexcept>
#include <string_view>

#include "common/value_helpers.h"

namespace progressives {

namespace {

std::string testo(const db::RowView& row, int column) {
    const db::Value v = row.value(column);
    // Text, nearly every time: trimmed as NzStringa trims it, with one copy.
    if (v.isText()) {
        std::string_view s = v.asText();
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
        return std::string(s);
    }
    return common::NzStringa(v);
}

}  // namespace

const db::ResultSet& UltimoRisultato(const db::BatchResult& batch) {
    static const db::ResultSet vuoto;
    for (auto it = batch.resultSets.rbegin(); it != batch.resultSets.rend(); ++it)
        if (!it->columns.empty())
            return *it;
    return vuoto;
}

int ColumnIndex(const std::vector<db::Column>& columns, const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (QString::fromStdString(columns[i].name).compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    throw std::out_of_range("Item cannot be found in the collection: field '" + name + "'");
}

int ColumnIndex(const db::ResultSet& rs, const std::string& name) {
    return ColumnIndex(rs.columns, name);
}

LettoreProgressivi::LettoreProgressivi(const std::vector<db::Column>& rs,
                                       const DizionarioProgressivi& dizionario, bool contoLavoro) {
    for (const auto& voce : dizionario)
        quantita_.push_back(
            ColumnIndex(rs, contoLavoro ? colonnaContoLavoro(voce.colonna) : voce.colonna));
    variante_ = ColumnIndex(rs, "VARIANTE");
    opzione_ = ColumnIndex(rs, "OPZIONE");
    descrDeposito_ = ColumnIndex(rs, "MG58_DESCRDEP");
    if (contoLavoro) {
        clifor_ = ColumnIndex(rs, "MG7E_CLIFOR_CG44");
        ragioneSociale_ = ColumnIndex(rs, "CG16_RAGSOANAG");
    } else {
        deposito_ = ColumnIndex(rs, "MG70_CODDEP_MG58");
    }
}

void LettoreProgressivi::quantita(const db::RowView& row, RigaDati& riga) const {
    raccolte_.clear();
    for (std::size_t i = 0; i < quantita_.size(); ++i) {
        // Decimals as the database gives them; anything else as NzNumero reads it.
        db::Decimal d;
        if (!row.decimal(quantita_[i], d)) {
            const std::optional<db::Decimal> n =
                common::NzNumero(row.value(quantita_[i])).toDecimal();
            if (!n)
                continue;
            d = *n;
        }
        if (!d.isZero())
            raccolte_.emplace_back(static_cast<int>(i), d);
    }
    riga.quantita.assign(raccolte_.begin(), raccolte_.end());
}

RigaDati LettoreProgressivi::magazzino(const db::RowView& row) const {
    RigaDati riga;
    magazzino(row, riga);
    return riga;
}

void LettoreProgressivi::magazzino(const db::RowView& row, RigaDati& riga) const {
    riga.variante = testo(row, variante_);
    riga.opzione = testo(row, opzione_);
    riga.deposito = testo(row, deposito_);
    if (ultimaDescrizione_.empty() || riga.deposito != ultimoDeposito_) {
        ultimoDeposito_ = riga.deposito;
        ultimaDescrizione_ = riga.deposito + " - " + testo(row, descrDeposito_);
    }
    riga.depositoDescr = ultimaDescrizione_;
    quantita(row, riga);
}

RigaDati LettoreProgressivi::contoLavoro(const db::RowView& row, int tipo,
                                         const std::string& deposito) const {
    RigaDati riga;
    riga.variante = testo(row, variante_);
    riga.opzione = testo(row, opzione_);
    const std::string clifor = testo(row, clifor_);
    riga.deposito = deposito + std::to_string(tipo) + clifor;
    riga.depositoDescr = deposito + " - " + testo(row, descrDeposito_) + "  Fornitore : " + clifor +
                         " - " + testo(row, ragioneSociale_);
    quantita(row, riga);
    return riga;
}

void RigheLette::clear() {
    righe_.clear();
    depositi_.clear();
    quantita_.clear();
}

void RigheLette::aggiungi(const RigaDati& riga) {
    Riga r;
    r.variante = riga.variante;
    r.opzione = riga.opzione;
    // Rows come by warehouse: a new one, or the last one again.
    if (depositi_.empty() || depositi_.back().first != riga.deposito ||
        depositi_.back().second != riga.depositoDescr)
        depositi_.emplace_back(riga.deposito, riga.depositoDescr);
    r.deposito = depositi_.size() - 1;
    r.prima = quantita_.size();
    r.quante = riga.quantita.size();
    quantita_.insert(quantita_.end(), riga.quantita.begin(), riga.quantita.end());
    righe_.push_back(std::move(r));
}

void RigheLette::aggiungiGrezza(std::vector<db::Value> valori) {
    Riga r;
    r.grezza = std::move(valori);
    righe_.push_back(std::move(r));
}

void RigheLette::leggi(std::size_t i, RigaDati& riga) const {
    const Riga& r = righe_[i];
    riga.variante = r.variante;
    riga.opzione = r.opzione;
    riga.deposito = depositi_[r.deposito].first;
    riga.depositoDescr = depositi_[r.deposito].second;
    const auto prima = quantita_.begin() + static_cast<std::ptrdiff_t>(r.prima);
    riga.quantita.assign(prima, prima + static_cast<std::ptrdiff_t>(r.quante));
}

}  // namespace progressives
