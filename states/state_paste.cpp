#include "states/state_paste.h"

#include <QHeaderView>
#include <QString>
#include <algorithm>
#include <map>

#include "common/item_card.h"
#include "common/procedure.h"
#include "common/rights.h"
#include "common/value_helpers.h"
#include "common/window_services.h"
#include "platform/controls/data_grid.h"
#include "platform/controls/grid_exchange.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/framework/cinterface.h"
#include "states/state_services.h"
#include "states/states_sql.h"

namespace states {

namespace {

constexpr std::size_t kRifiutateMostrate = 20;

std::string pulito(const std::string& s) {
    return QString::fromStdString(s).trimmed().toStdString();
}

bool uguali(const QString& a, const std::string& b) {
    return a.trimmed().compare(QString::fromStdString(b).trimmed(), Qt::CaseInsensitive) == 0;
}

// A value as a literal of an INSERT.
std::string letterale(const db::Value& v) {
    return common::FormatoDBTesto(v, v.isNumber() ? common::kNumero : common::kTesto, true);
}

std::string posizione(std::size_t riga, std::size_t colonna) {
    return "riga " + std::to_string(riga + 1) + ", colonna " + std::to_string(colonna + 1);
}

// Visible columns in the order shown.
std::vector<int> colonneVisibili(const controls::DataGrid& grid) {
    std::vector<int> out;
    for (int v = 0; v < grid.horizontalHeader()->count(); ++v) {
        const int c = grid.horizontalHeader()->logicalIndex(v);
        if (c < grid.Columns().Count() && !grid.isColumnHidden(c) &&
            grid.Columns().Item(c).Visible())
            out.push_back(c);
    }
    return out;
}

// The grid column a caption of a file names: its caption or its field;
// -1 when none.
int colonnaDaTitolo(const controls::DataGrid& grid, const std::string& titolo) {
    if (pulito(titolo).empty())
        return -1;
    for (int c = 0; c < grid.Columns().Count(); ++c)
        if (uguali(grid.Columns().Item(c).Caption(), titolo) ||
            uguali(QString::fromStdString(grid.Columns().Item(c).Field()), titolo))
            return c;
    return -1;
}

// The Italian default of a catalogue text with its parameters in place.
std::string conParametri(std::string testo, const std::vector<db::Value>& parametri) {
    for (std::size_t i = parametri.size(); i > 0; --i) {
        const std::string segnaposto = "%" + std::to_string(i);
        for (auto at = testo.find(segnaposto); at != std::string::npos;
             at = testo.find(segnaposto, at))
            testo.replace(at, segnaposto.size(), parametri[i - 1].toText());
    }
    return testo;
}

int messaggio(common::ItemCard& card, const std::string& testo, long numero, int stile,
              const std::vector<db::Value>& parametri = {}) {
    common::WindowServices& ws = card.services();
    return ws.VisualizzaMessaggio(conParametri(testo, parametri), numero, stile,
                                  ws.TraduciTesto("Scheda articolo - varianti", 50877), parametri);
}

}  // namespace

std::vector<StateCode> StateCodes(common::ItemCard& card) {
    std::vector<StateCode> out;
    try {
        db::Recordset rs;
        rs.open(
            "SELECT MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR FROM MG5V_STATIVAR WITH (NOLOCK) "
            "WHERE MG5V_DITTA_CG18 = " +
                card.companyCode() + " ORDER BY MG5V_CODICE",
            card.connection());
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out.push_back({StateNumber(rs.value("MG5V_IDSTATOVAR")),
                           common::NzStringa(rs.value("MG5V_CODICE")),
                           common::NzStringa(rs.value("MG5V_DESCR"))});
        for (auto& s : out) {
            s.codice = exchange::RightTrimmed(s.codice);
            s.descrizione = exchange::RightTrimmed(s.descrizione);
        }
    } catch (const std::exception&) {
        card.connection().clearErrors();
        out.clear();
    }
    return out;
}

void SetStateCellCodes(common::ItemCard& card, controls::DataGrid* grid) {
    std::vector<controls::ComboCode> codici;
    for (const auto& s : StateCodes(card))
        codici.push_back(
            {s.id, QString::fromStdString(s.codice), QString::fromStdString(s.descrizione)});
    controls::GridExchange::Of(grid)->SetComboCodes(std::move(codici), QStringLiteral("Stati"));
}

StateBlock DecodeStateBlock(common::ItemCard& card, const StateTarget& d,
                            const exchange::TextRows& righe, bool fromFile) {
    StateBlock blocco;
    const controls::DataGrid& grid = *d.grid;
    const db::Recordset* rs = grid.DataSource();
    const long righeGriglia = rs && rs->isOpen() ? rs->recordCount() : 0;
    const std::vector<StateCode> stati = StateCodes(card);
    auto decodifica = [&](const std::string& testo, int c) -> std::optional<db::Value> {
        const std::string codice = pulito(testo);
        if (codice.empty())
            return db::Value(0);
        for (const auto& s : stati)
            if (s.codice == codice)
                return s.id;
        const QString q = QString::fromStdString(codice);
        for (const auto& s : stati)
            if (q.compare(QString::fromStdString(s.codice), Qt::CaseInsensitive) == 0)
                return s.id;
        // The text a state cell shows ("ESAUR - In esaurimento- attivo:Si"),
        // as a cell's editor copies it, names its state as the code does.
        for (const auto& [id, voce] : grid.Columns().Item(c).ValueList())
            if (!voce.isEmpty() && voce.trimmed() == q)
                return id;
        return std::nullopt;
    };
    std::map<std::pair<long, std::string>, bool> viste;
    // soloStati: the block is whole rows of the grid, whose cells that hold
    // no state (the row's code and description) come back as they went.
    auto cella = [&](std::size_t i, std::size_t j, long r, int c, const std::string& testo,
                     bool soloStati = false) {
        const std::string campo = c >= 0 ? d.campoStato(c) : std::string();
        if (r < 0 || r >= righeGriglia || c < 0) {
            if (!pulito(testo).empty())
                blocco.rifiutate.push_back(posizione(i, j) + ": fuori dalla griglia");
            return;
        }
        if (campo.empty()) {
            if (!pulito(testo).empty() && !soloStati)
                blocco.rifiutate.push_back(posizione(i, j) + ": non è una cella di stato");
            return;
        }
        const auto stato = decodifica(testo, c);
        if (!stato) {
            blocco.rifiutate.push_back(posizione(i, j) + ": codice di stato \"" + pulito(testo) +
                                       "\" sconosciuto");
            return;
        }
        if (viste[{r, campo}])
            return;
        viste[{r, campo}] = true;
        const db::Value prima = StateNumber(rs->valueAt(r, rs->fieldIndex(campo)));
        if (db::Value::compare(prima, *stato) == 0) {
            ++blocco.invariate;
            return;
        }
        statoVuoto(*stato) ? ++blocco.svuotate : ++blocco.modificate;
        blocco.celle.push_back({r, campo, *stato});
    };

    // Read by captions: the first row names the grid's columns.
    std::vector<int> perTitolo;
    bool conTitoli = false;
    if (!righe.empty() && grid.Columns().Count() > 0) {
        const auto& titoli = righe.front();
        int diStato = 0;
        for (std::size_t j = 0; j < titoli.size(); ++j) {
            perTitolo.push_back(colonnaDaTitolo(grid, titoli[j]));
            if (j > 0 && perTitolo.back() >= 0 && !d.campoStato(perTitolo.back()).empty())
                ++diStato;
        }
        const bool chiave = !titoli.empty() && perTitolo[0] == 0;
        conTitoli = diStato > 0 && (chiave || fromFile);
    }
    if (conTitoli) {
        std::map<std::string, long> perCodice;
        const int chiave = grid.Columns().Item(0).FieldIndex();
        for (long r = 0; chiave >= 0 && r < righeGriglia; ++r)
            perCodice.emplace(pulito(rs->valueAt(r, chiave).toText()), r);
        for (std::size_t i = 1; i < righe.size(); ++i) {
            const auto& riga = righe[i];
            const std::string codice = riga.empty() ? std::string() : pulito(riga[0]);
            const auto trovata = perCodice.find(codice);
            const long r = trovata == perCodice.end() ? -1 : trovata->second;
            // A spreadsheet leaves out the empty cells at the end of a row:
            // under a caption they are blank all the same.
            for (std::size_t j = 1; j < std::max(riga.size(), perTitolo.size()); ++j) {
                const int c = j < perTitolo.size() ? perTitolo[j] : -1;
                // Columns of the grid that hold no state (descriptions) are read only.
                if (c >= 0 && d.campoStato(c).empty())
                    continue;
                cella(i, j, r, c, j < riga.size() ? riga[j] : std::string());
            }
        }
        return blocco;
    }

    // Position by position from the current cell.
    const std::vector<int> visibili = colonneVisibili(grid);
    const long r0 = std::max(0L, grid.CurrentRow());
    // A grid that selects whole rows copies whole rows: such a block goes
    // back from the row's first column, wherever the current cell is.
    const bool righeIntere =
        grid.selectionBehavior() == QAbstractItemView::SelectRows && visibili.size() > 1 &&
        std::all_of(righe.begin(), righe.end(),
                    [&](const auto& riga) { return riga.size() == visibili.size(); });
    int c0 = grid.CurrentColumn();
    if (c0 < 0 || d.campoStato(c0).empty())
        for (int c : visibili)
            if (!d.campoStato(c).empty()) {
                c0 = c;
                break;
            }
    const auto at = std::find(visibili.begin(), visibili.end(), c0);
    const std::size_t v0 = righeIntere ? 0 : static_cast<std::size_t>(at - visibili.begin());
    for (std::size_t i = 0; i < righe.size(); ++i)
        for (std::size_t j = 0; j < righe[i].size(); ++j) {
            const std::size_t v = v0 + j;
            const int c = v < visibili.size() ? visibili[v] : -1;
            cella(i, j, r0 + static_cast<long>(i), c, righe[i][j], righeIntere);
        }
    return blocco;
}

bool WriteStateBlock(common::ItemCard& card, const StateTarget& d, const StateBlock& blocco) {
    db::Connection& cn = card.connection();
    common::Procedure p(card, d.procedura);
    common::beginWhole(p, cn);
    for (const StateCell& c : blocco.celle) {
        if (!p.running())
            break;
        std::optional<RigaStato> riga;
        p.step([&] { riga = d.riga(c.riga, c.campo); });
        if (!riga)
            continue;
        p.step([&] { cn.execute(sqlDeleteStateRow(riga->tabella, riga->condizione)); });
        if (statoVuoto(c.stato))
            continue;
        p.step([&] {
            std::vector<std::pair<std::string, std::string>> colonne;
            for (const auto& [campo, valore] : riga->nuova)
                colonne.emplace_back(campo, letterale(valore));
            colonne.emplace_back(riga->campoStato, letterale(StateNumber(c.stato)));
            cn.execute(sqlInsertStateRow(riga->tabella, colonne));
        });
    }
    return common::commitWhole(p, cn);
}

void PasteStates(common::ItemCard& card, const StateTarget& d, const exchange::TextRows& righe,
                 bool fromFile) {
    if (!d.grid->DataSource() || !d.grid->DataSource()->isOpen())
        return;
    if (!common::checkRight(card, common::WriteKind::Change))
        return;
    const StateBlock blocco = DecodeStateBlock(card, d, righe, fromFile);
    if (!blocco.rifiutate.empty()) {
        std::string elenco;
        for (std::size_t i = 0; i < blocco.rifiutate.size() && i < kRifiutateMostrate; ++i)
            elenco += "\n" + blocco.rifiutate[i];
        if (blocco.rifiutate.size() > kRifiutateMostrate) {
            // "e altre" agrees with the cells it counts: one more is "un'altra".
            static constexpr common::CountNoun kAltre{91629, "... e un'altra", 91630,
                                                      "... e altre %1"};
            elenco +=
                "\n" + card.services().CountText(
                           static_cast<long>(blocco.rifiutate.size() - kRifiutateMostrate), kAltre);
        }
        messaggio(card, "Alcune celle non vengono scritte:%1", 91904,
                  common::vbOKOnly + common::vbExclamation, {elenco});
    }
    if (blocco.celle.empty()) {
        messaggio(card, "Nessuna cella da modificare.", 91905,
                  common::vbOKOnly + common::vbInformation);
        return;
    }
    const int risposta = messaggio(
        card,
        "Celle da modificare: %1. Celle da svuotare: %2. Celle rifiutate: %3.\nScrivere le "
        "celle valide?",
        91906, common::vbYesNo + common::vbQuestion + common::vbDefaultButton2,
        {static_cast<long long>(blocco.modificate), static_cast<long long>(blocco.svuotate),
         static_cast<long long>(blocco.rifiutate.size())});
    if (risposta != common::vbYes)
        return;
    WriteStateBlock(card, d, blocco);
    // Whatever was committed or rolled back, the grid shows what is stored.
    if (d.ricarica)
        d.ricarica();
}

void EnableStatePaste(common::ItemCard& card, StateTarget d) {
    controls::GridExchange* exchange = controls::GridExchange::Of(d.grid);
    exchange->SetReceiver([&card, d](const exchange::TextRows& righe, bool fromFile) {
        PasteStates(card, d, righe, fromFile);
    });
}

std::function<std::string(int column)> StateColumnOnly(controls::DataGrid* grid) {
    return [grid](int column) {
        return grid->Columns().Item(column).Field() == "STATO" ? std::string("STATO")
                                                               : std::string();
    };
}

}  // namespace states
