#include "progressives/pivot_progressivi.h"

#include <QString>

#include "platform/db/recordset.h"
#include "platform/db/value.h"

namespace progressives {

namespace {

// Row keys of the totals are numbered apart from those of the variant rows.
constexpr long kScartoChiaviTotali = 100000;
// Chiave and Variante are fixed text of this width.
constexpr std::size_t kLarghezzaFissa = 20;

std::string maiuscolo(const std::string& s) {
    return QString::fromStdString(s).toUpper().toStdString();
}

std::string fissa(std::string s) {
    if (s.size() < kLarghezzaFissa)
        s.append(kLarghezzaFissa - s.size(), ' ');
    return s;
}

// A sum of exact decimals kept as mantissa and scale: a quantity of the
// same scale, far from the 38 digits, adds its mantissa in place, as
// Decimal's + does; anything else goes through +.
struct Cella {
    __int128 mantissa = 0;
    int scale = 0;
    bool piena = false;  // added to at least once

    db::Value valore() const {
        return piena ? db::Value(db::Decimal(mantissa, scale)) : db::Value::null();
    }
};

// Far from the 38 digits: -10^36 < m < 10^36, in one comparison.
bool lontano(__int128 m) {
    constexpr __int128 kLontano = static_cast<__int128>(1000000000000000000) * 1000000000000000000;
    using U = unsigned __int128;
    return static_cast<U>(m) + static_cast<U>(kLontano - 1) < static_cast<U>(2 * kLontano - 1);
}

// Scales that differ, or sums near the limit: Decimal's + decides.
[[gnu::noinline]] void sommaPiena(Cella& cella, const db::Decimal& q) {
    const db::Decimal d = db::Decimal(cella.mantissa, cella.scale) + q;
    cella = {d.mantissa(), d.scale(), true};
}

inline void somma(Cella& cella, const db::Decimal& q) {
    if (!cella.piena)
        cella = {q.mantissa(), q.scale(), true};
    else if (cella.scale == q.scale() && lontano(cella.mantissa) && lontano(q.mantissa()))
        cella.mantissa += q.mantissa();
    else
        sommaPiena(cella, q);
}

}  // namespace

struct PivotProgressivi::Blocco {
    std::string variante;
    std::string varianteDescr;
    std::string deposito;
    std::string depositoDescr;
    std::vector<int> righe;  // row of each progressive, -1 while it has none
};

struct PivotProgressivi::Riga {
    long chiave = 0;
    int blocco = 0;
    int idProgressivo = 0;
    std::vector<Cella> celle;  // by option slot
    Cella totale;
};

PivotProgressivi::PivotProgressivi(std::vector<std::string> nomi, std::vector<std::string> captions,
                                   long& contatore)
    : nomi_(std::move(nomi)), captions_(std::move(captions)), contatore_(contatore) {
    captions_.resize(nomi_.size());
}

PivotProgressivi::~PivotProgressivi() = default;

std::string PivotProgressivi::nomeColonna(const std::string& opzione) {
    return "BK_" + (opzione.empty() ? std::string("-") : opzione);
}

void PivotProgressivi::aggiungiOpzione(const std::string& opzione) {
    colonna(opzione);
}

int PivotProgressivi::colonna(const std::string& opzione) {
    const std::string chiave = maiuscolo(opzione);
    if (const auto it = colonne_.find(chiave); it != colonne_.end())
        return it->second;
    const int slot = static_cast<int>(opzioni_.size());
    opzioni_.push_back(opzione);
    colonne_.emplace(chiave, slot);
    // Options read with the others come in the database's order and are
    // appended; one met later goes before the first greater option.
    auto at = ordine_.end();
    for (auto it = ordine_.begin(); it != ordine_.end(); ++it)
        if (db::Value::compare(db::Value(opzioni_[static_cast<std::size_t>(*it)]),
                               db::Value(opzione)) > 0) {
            at = it;
            break;
        }
    ordine_.insert(at, slot);
    return slot;
}

long PivotProgressivi::righe() const {
    return static_cast<long>(righe_.size());
}

std::vector<std::string> PivotProgressivi::opzioni() const {
    std::vector<std::string> out;
    out.reserve(ordine_.size());
    for (int slot : ordine_)
        out.push_back(opzioni_[static_cast<std::size_t>(slot)]);
    return out;
}

int PivotProgressivi::blocco(std::unordered_map<std::string, int>& indice,
                             const std::string& chiave, const RigaDati& riga,
                             const std::string& variante, const std::string& descr) {
    if (const auto it = indice.find(chiave); it != indice.end())
        return it->second;
    Blocco b;
    b.variante = variante;
    b.varianteDescr = descr;
    b.deposito = riga.deposito;
    b.depositoDescr = riga.depositoDescr;
    b.righe.assign(nomi_.size(), -1);
    blocchi_.push_back(std::move(b));
    const int at = static_cast<int>(blocchi_.size()) - 1;
    indice.emplace(chiave, at);
    return at;
}

int PivotProgressivi::riga(int blocco, int idProgressivo, long chiave) {
    int& at =
        blocchi_[static_cast<std::size_t>(blocco)].righe[static_cast<std::size_t>(idProgressivo)];
    if (at < 0) {
        Riga r;
        r.chiave = chiave;
        r.blocco = blocco;
        r.idProgressivo = idProgressivo;
        // A cell for every option known so far: the row's cells are filled
        // option by option, and would otherwise grow once per option.
        r.celle.resize(opzioni_.size());
        righe_.push_back(std::move(r));
        at = static_cast<int>(righe_.size()) - 1;
        ++contatore_;
    }
    return at;
}

void PivotProgressivi::aggiungi(const RigaDati& dati,
                                const std::function<std::string(const std::string&)>& descrizione) {
    if (dati.quantita.empty())
        return;  // only progressives that move are shown
    std::string chiave = dati.variante;
    chiave += '\x1f';
    chiave += dati.deposito;
    int b = -1;
    if (const auto it = varianti_.find(chiave); it != varianti_.end()) {
        b = it->second;
    } else {
        // The only step that may fail; nothing is changed before it.
        const std::string descr = dati.variante + " - " + descrizione(dati.variante);
        b = blocco(varianti_, chiave, dati, dati.variante, descr);
    }
    if (ultimoTotale_ < 0 || dati.deposito != ultimoDeposito_) {
        ultimoTotale_ = blocco(totali_, dati.deposito, dati, kTotale, kTotale);
        ultimoDeposito_ = dati.deposito;
    }
    const int t = ultimoTotale_;
    if (ultimoSlot_ < 0 || dati.opzione != ultimaOpzione_) {
        ultimoSlot_ = colonna(dati.opzione);
        ultimaOpzione_ = dati.opzione;
    }
    const auto slot = static_cast<std::size_t>(ultimoSlot_);
    for (const auto& [id, q] : dati.quantita) {
        if (id < 0 || id >= static_cast<int>(nomi_.size()))
            continue;
        Riga& r = righe_[static_cast<std::size_t>(riga(b, id, contatore_))];
        if (r.celle.size() <= slot)
            r.celle.resize(slot + 1);
        somma(r.celle[slot], q);
        somma(r.totale, q);
        Riga& tot = righe_[static_cast<std::size_t>(riga(t, id, contatore_ + kScartoChiaviTotali))];
        if (tot.celle.size() <= slot)
            tot.celle.resize(slot + 1);
        somma(tot.celle[slot], q);
        somma(tot.totale, q);
    }
}

std::unique_ptr<db::Recordset> PivotProgressivi::crea() const {
    using db::FieldType;
    auto rs = std::make_unique<db::Recordset>();
    rs->appendField("Chiave", FieldType::FixedText, 20);
    rs->appendField("Variante", FieldType::FixedText, 20);
    rs->appendField("VarianteDescr", FieldType::Text, 255);
    rs->appendField("Deposito", FieldType::Text, 10);
    rs->appendField("DepositoDescr", FieldType::Text, 255);
    rs->appendField("IdProgressivo", FieldType::Decimal, 0, 18, 0);
    rs->appendField("NomeProgressivo", FieldType::Text, 255);
    rs->appendField("CaptionProgressivo", FieldType::Text, 255);
    constexpr int kPrimaOpzione = 8;
    for (int slot : ordine_)
        rs->appendField(nomeColonna(opzioni_[static_cast<std::size_t>(slot)]), FieldType::Decimal,
                        0, 14, 3);
    rs->appendField("Tot.", FieldType::Decimal, 0, 14, 3);
    rs->open();

    const int tot = kPrimaOpzione + static_cast<int>(ordine_.size());
    long row = 0;
    for (const Riga& r : righe_) {
        const Blocco& b = blocchi_[static_cast<std::size_t>(r.blocco)];
        rs->addNew();
        rs->setValueAt(row, 0, db::Value(fissa("K_" + std::to_string(r.chiave))));
        rs->setValueAt(row, 1, db::Value(fissa(b.variante)));
        rs->setValueAt(row, 2, db::Value(b.varianteDescr));
        rs->setValueAt(row, 3, db::Value(b.deposito));
        rs->setValueAt(row, 4, db::Value(b.depositoDescr));
        rs->setValueAt(row, 5, db::Value(db::Decimal(r.idProgressivo)));
        rs->setValueAt(row, 6, db::Value(nomi_[static_cast<std::size_t>(r.idProgressivo)]));
        rs->setValueAt(row, 7, db::Value(captions_[static_cast<std::size_t>(r.idProgressivo)]));
        for (std::size_t c = 0; c < ordine_.size(); ++c) {
            const auto slot = static_cast<std::size_t>(ordine_[c]);
            rs->setValueAt(row, kPrimaOpzione + static_cast<int>(c),
                           slot < r.celle.size() ? r.celle[slot].valore() : db::Value::null());
        }
        rs->setValueAt(row, tot, r.totale.valore());
        ++row;
    }
    return rs;
}

}  // namespace progressives
