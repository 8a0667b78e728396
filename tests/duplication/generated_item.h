#pragma once
// An item of company 1 generated for large previews: five variants (the
// demo's four and a fifth, "A4", added here), each managed through a grouping
// of as many options as asked, named by a letter and a number that fill the
// variant's slot ("P00" for Taglia, "V000" for Vestibilità).

#include <cstddef>
#include <string>

#include "platform/db/connection.h"

namespace dupltest {

struct GeneratedVariant {
    const char* code;
    int size;  // MG5F_SIZE of company 1
    const char* prefix;
};
inline constexpr GeneratedVariant kGeneratedVariants[] = {
    {"A0", 3, "P"}, {"A1", 3, "C"}, {"A2", 2, "L"}, {"A3", 4, "V"}, {"A4", 2, "F"}};

// The i-th option of a variant: its letter and i, zero-padded to the slot.
inline std::string generatedOption(const GeneratedVariant& v, int i) {
    std::string digits = std::to_string(i);
    const std::size_t width = static_cast<std::size_t>(v.size) - 1;
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return v.prefix + digits;
}

// Adds the item with counts[i] options in the grouping of the i-th variant.
inline void addGeneratedItem(db::Connection& cn, const std::string& item, const int (&counts)[5]) {
    cn.execute(
        "IF NOT EXISTS (SELECT 1 FROM MG5F_DIMECONF WHERE MG5F_DITTA_CG18 = 1 AND "
        "MG5F_CODICEVAR = 'A4') INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, "
        "MG5F_DESCR_VAR, MG5F_INDGRIGLIA, MG5F_SIZE, MG5F_INDNATURA, MG5F_INDPROGCONFIG) VALUES "
        "(1, 'A4', 'Finitura', 0, 2, 0, 0)");
    cn.execute(
        "INSERT INTO MG66_ANAGRART (MG66_DITTA_CG18, MG66_CODART, MG66_DESCART, MG66_UM, "
        "MG66_FLGVARART) VALUES (1, '" +
        item + "', 'Articolo generato', 'PZ', 1)");
    cn.execute(
        "INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, "
        "MG87_LINGUA_MG52, MG87_DESCART) VALUES (1, '" +
        item + "', '', '', 'Articolo generato')");
    cn.beginTransaction();
    for (std::size_t k = 0; k < std::size(kGeneratedVariants); ++k) {
        const GeneratedVariant& v = kGeneratedVariants[k];
        const std::string code = v.code;
        const std::string grouping = item.substr(0, 20) + "-" + code;
        cn.execute(
            "INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, "
            "MG5G_DESCRRAGGVAR) VALUES (1, '" +
            code + "', '" + grouping + "', 'Generato')");
        for (int i = 0; i < counts[k]; ++i) {
            const std::string o = generatedOption(v, i);
            cn.execute(
                "IF NOT EXISTS (SELECT 1 FROM MG5E_OPZIONI WHERE MG5E_DITTA_CG18 = 1 AND "
                "MG5E_CODICEVAR_MG5F = '" +
                code + "' AND MG5E_OPZIONE = '" + o +
                "') INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, "
                "MG5E_OPZIONE, MG5E_DESCR) VALUES (1, '" +
                code + "', '" + o + "', 'Opzione " + o + "')");
            cn.execute(
                "INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, "
                "MG5H_RAGGR_MG5G, MG5H_SEQOPZIONE, MG5H_OPZIONE_MG5E) VALUES (1, '" +
                code + "', '" + grouping + "', " + std::to_string(i + 1) + ", '" + o + "')");
        }
        cn.execute(
            "INSERT INTO MG6B_GESVARART (MG6B_DITTA_CG18, MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F, "
            "MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G) VALUES (1, '" +
            item + "', '" + code + "', 1, '" + grouping + "')");
    }
    cn.commitTransaction();
}

}  // namespace dupltest
