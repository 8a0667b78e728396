#include "progressives/righe_progressivi.h"

#include <QString>
#include <stdexcept>

#include "common/value_helpers.h"

namespace progressives {

namespace {

std::string testo(const std::vector<db::Value>& row, int column) {
    return common::NzStringa(row.at(static_cast<std::size_t>(column)));
}

}  // namespace

const db::ResultSet& UltimoRisultato(const db::BatchResult& batch) {
    static const db::ResultSet vuoto;
    for (auto it = batch.resultSets.rbegin(); it != batch.resultSets.rend(); ++it)
        if (!it->columns.empty())
            return *it;
    return vuoto;
}

int ColumnIndex(const db::ResultSet& rs, const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (std::size_t i = 0; i < rs.columns.size(); ++i)
        if (QString::fromStdString(rs.columns[i].name).compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    throw std::out_of_range("Item cannot be found in the collection: field '" + name + "'");
}

LettoreProgressivi::LettoreProgressivi(const db::ResultSet& rs,
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

void LettoreProgressivi::quantita(const std::vector<db::Value>& row, RigaDati& riga) const {
    for (std::size_t i = 0; i < quantita_.size(); ++i) {
        const db::Value& v = row.at(static_cast<std::size_t>(quantita_[i]));
        // Decimals as the database gives them; anything else as NzNumero reads it.
        const std::optional<db::Decimal> d = v.type() == db::Value::Type::Decimal
                                                 ? std::optional<db::Decimal>(v.asDecimal())
                                                 : common::NzNumero(v).toDecimal();
        if (d && !d->isZero())
            riga.quantita.emplace_back(static_cast<int>(i), *d);
    }
}

RigaDati LettoreProgressivi::magazzino(const std::vector<db::Value>& row) const {
    RigaDati riga;
    riga.variante = testo(row, variante_);
    riga.opzione = testo(row, opzione_);
    riga.deposito = testo(row, deposito_);
    if (ultimaDescrizione_.empty() || riga.deposito != ultimoDeposito_) {
        ultimoDeposito_ = riga.deposito;
        ultimaDescrizione_ = riga.deposito + " - " + testo(row, descrDeposito_);
    }
    riga.depositoDescr = ultimaDescrizione_;
    quantita(row, riga);
    return riga;
}

RigaDati LettoreProgressivi::contoLavoro(const std::vector<db::Value>& row, int tipo,
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

}  // namespace progressives
