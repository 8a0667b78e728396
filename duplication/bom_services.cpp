#include "duplication/bom_services.h"

#include <exception>

#include "common/value_helpers.h"
#include "descriptions/calcdescrvar.h"
#include "duplication/db_read.h"
#include "platform/db/connection.h"
#include "platform/db/errors.h"
#include "platform/db/value.h"
#include "platform/framework/component_registry.h"

namespace duplication {

namespace {

bool itemExists(db::Connection& cn, const std::string& company, const std::string& item) {
    return returnsRow(
        cn, "SELECT TOP 1 1 FROM MG66_ANAGRART WITH (NOLOCK) WHERE MG66_DITTA_CG18 = " + company +
                " AND MG66_CODART = " + quoted(item));
}

// The first option of a variant article that its item's variants do not
// have, described for the user; "" when every option exists.
std::string missingOption(db::Connection& cn, const std::string& company, const std::string& item,
                          const std::string& article, const std::vector<VariantSlot>& dims) {
    const int width = fullWidth(dims);
    if (static_cast<int>(article.size()) > width)
        return "Il codice della variante articolo '" + article + "' supera i " +
               std::to_string(width) + " caratteri previsti dalla ditta.";
    for (const auto& row : readRows(cn,
                                    "SELECT MG6B_CODICEVAR_MG5F, MG6B_CODRAGGVAR_MG5G FROM "
                                    "MG6B_GESVARART WITH (NOLOCK) WHERE MG6B_DITTA_CG18 = " +
                                        company + " AND MG6B_CODART_MG66 = " + quoted(item) +
                                        " AND MG6B_FLGGESTVAR = 1")) {
        const std::string variant = common::NzStringa(row.at(0));
        const std::string grouping = common::NzStringa(row.at(1));
        for (const auto& s : dims) {
            if (s.code != variant || s.size <= 0)
                continue;
            const std::string option =
                article.size() >= static_cast<std::size_t>(s.start)
                    ? db::rtrim(article.substr(static_cast<std::size_t>(s.start) - 1,
                                               static_cast<std::size_t>(s.size)))
                    : std::string();
            if (option.empty())
                continue;
            std::string sql = grouping.empty()
                                  ? "SELECT TOP 1 1 FROM MG5E_OPZIONI WITH (NOLOCK) WHERE "
                                    "MG5E_DITTA_CG18 = " +
                                        company + " AND MG5E_CODICEVAR_MG5F = " + quoted(variant) +
                                        " AND MG5E_OPZIONE = " + quoted(option)
                                  : "SELECT TOP 1 1 FROM MG5H_COMPRAGVAR WITH (NOLOCK) WHERE "
                                    "MG5H_DITTA_CG18 = " +
                                        company + " AND MG5H_CODICEVAR_MG5F = " + quoted(variant) +
                                        " AND MG5H_RAGGR_MG5G = " + quoted(grouping) +
                                        " AND MG5H_OPZIONE_MG5E = " + quoted(option);
            if (!returnsRow(cn, sql)) {
                std::string message = "L'opzione '" + option + "' non esiste per la variante ";
                message.append(s.description).append(" (").append(variant).append(")");
                if (!grouping.empty())
                    message.append(" nel raggruppamento ").append(grouping);
                return message + ".";
            }
        }
    }
    return {};
}

class DbVariantPreparer : public VariantPreparer {
public:
    void SetInterface(framework::Cinterface* host) override { host_ = host; }
    void SetConnection(db::Connection* connection) override { cn_ = connection; }
    void SetCompany(const framework::Company* company) override { company_ = company; }
    void SetCompanyCode(const std::string& code) override {
        code_ = code;
        dims_.clear();
    }
    void SetItem(const std::string& item) override {
        item_ = item;
        calls_ = 0;
    }
    void SetVariantArticle(const std::string& code) override {
        article_ = code;
        calls_ = 0;
    }

    void Proceed() override {
        if (!cn_ || code_.empty() || item_.empty() || article_.empty())
            return;
        if (dims_.empty())
            dims_ = companySlots(*cn_, code_);
        if (++calls_ == 1)
            valid_ = missingOption(*cn_, code_, item_, article_, dims_).empty();
        else if (calls_ == 2 && valid_)
            describe();
    }

private:
    // A new variant article gets its base-language description from the
    // framework's description calculator, when there is one.
    void describe() {
        const std::string code = padded(article_, fullWidth(dims_));
        if (returnsRow(*cn_,
                       "SELECT TOP 1 1 FROM MG87_ARTDESC WITH (NOLOCK) WHERE "
                       "MG87_DITTA_CG18 = " +
                           code_ + " AND MG87_CODART_MG66 = " + quoted(item_) +
                           " AND MG87_OPZIONE_MG5E = " + quoted(code) +
                           " AND MG87_LINGUA_MG52 = ''"))
            return;
        if (!framework::IsRegistered(descriptions::kProgIdCalcDescrVar))
            return;
        auto object = framework::CreateObject(descriptions::kProgIdCalcDescrVar);
        auto* calc = dynamic_cast<descriptions::CalcDescrVar*>(object.get());
        if (!calc)
            return;
        framework::HandContext(*calc, cn_, host_, company_, code_, "");
        calc->SetProperty("PrelevamentoDescrizioneArticoloBase", db::Value(0));
        calc->SetProperty("FlagMemorizzazioneSuDataBase", db::Value(true));
        calc->SetProperty("CodiceArticolo", db::Value(item_));
        calc->SetProperty("CodiceOpzione", db::Value(code));
        calc->CalcolaDescrizioneOpzione();
        framework::HandContext(*calc, nullptr, nullptr, nullptr, code_, "");
    }

    framework::Cinterface* host_ = nullptr;
    db::Connection* cn_ = nullptr;
    const framework::Company* company_ = nullptr;
    std::string code_, item_, article_;
    std::vector<VariantSlot> dims_;
    int calls_ = 0;
    bool valid_ = false;
};

class DbBomDuplicator : public BomDuplicator {
public:
    void SetConnection(db::Connection* connection) override { cn_ = connection; }
    void SetOriginItem(const std::string& item) override { originItem_ = item; }
    void SetOriginVariant(const std::string& variant) override { originVariant_ = variant; }
    void SetOriginRevision(int revision) override { (void)revision; }
    void SetDestinationItem(const std::string& item) override { destItem_ = item; }
    void SetDestinationVariant(const std::string& variant) override { destVariant_ = variant; }
    void SetDestinationRevision(int revision) override { (void)revision; }
    void SetCopyComponents(bool copy) override { components_ = copy; }
    void SetCopyAlternatives(bool copy) override { (void)copy; }
    void SetCopyNotes(bool copy) override { (void)copy; }
    void SetNoteKinds(bool, bool, bool, bool) override {}
    void SetCopyCycles(bool copy) override { (void)copy; }
    void SetCopyFashionRules(bool copy) override { fashion_ = copy; }

    bool Run(const std::string& company) override {
        error_ = 0;
        message_.clear();
        try {
            error_ = copy(company);
        } catch (const db::DbError& e) {
            if (db::isConnectionFailure(e.sqlState()))
                throw;
            error_ = e.sqlState().rfind("23", 0) == 0 ? kErrDuplicazione : kErrGenerico;
        } catch (const std::exception&) {
            error_ = kErrGenerico;
        }
        return error_ != 0;
    }
    int ErrorCode() const override { return error_; }
    bool HasMessage() const override { return !message_.empty(); }
    std::string Message() const override { return message_; }

    bool OriginRulesExist(const std::string& company, const std::string& item,
                          const std::string& variant) override {
        if (!cn_)
            return false;
        const std::string code = variant.empty() ? variant : padded(variant, width(company));
        return returnsRow(
            *cn_, "SELECT TOP 1 1 FROM PD95_DISBA WITH (NOLOCK) WHERE PD95_DITTA_CG18 = " +
                      company + " AND PD95_CODART_MG66 = " + quoted(item) +
                      " AND PD95_OPZIONE = " + quoted(code) + " AND PD95_TIPO_DISTINTA = 2");
    }

private:
    int width(const std::string& company) {
        if (company != slotsCompany_) {
            dims_ = companySlots(*cn_, company);
            slotsCompany_ = company;
        }
        return fullWidth(dims_);
    }

    int copy(const std::string& company) {
        if (!cn_ || company.empty() || originItem_.empty() || destItem_.empty() || !components_)
            return kErrParametri;
        if (!itemExists(*cn_, company, originItem_) || !itemExists(*cn_, company, destItem_))
            return kErrParametri;
        const int w = width(company);
        const std::string origin = originVariant_.empty() ? "" : padded(originVariant_, w);
        const std::string dest = destVariant_.empty() ? "" : padded(destVariant_, w);
        if (originItem_ == destItem_ && origin == dest)
            return kErrParametri;
        if (!dest.empty()) {
            message_ = missingOption(*cn_, company, destItem_, destVariant_, dims_);
            if (!message_.empty())
                return kErrMessaggio;
        }
        const std::string where = " WHERE PD95_DITTA_CG18 = " + company +
                                  " AND PD95_CODART_MG66 = " + quoted(originItem_) +
                                  " AND PD95_OPZIONE = " + quoted(origin);
        if (!returnsRow(*cn_, "SELECT TOP 1 1 FROM PD95_DISBA WITH (NOLOCK)" + where +
                                  " AND PD95_TIPO_DISTINTA = 0"))
            return kErrNessunLegame;
        cn_->execute(
            "INSERT INTO PD95_DISBA (PD95_DITTA_CG18, PD95_CODART_MG66, PD95_OPZIONE, "
            "PD95_TIPO_DISTINTA, PD95_NRRIGA, PD95_CODCOMP_MG66, PD95_OPZCOMP, PD95_QTAUTIL, "
            "PD95_UM) SELECT PD95_DITTA_CG18, " +
            quoted(destItem_) + ", " + quoted(dest) +
            ", PD95_TIPO_DISTINTA, PD95_NRRIGA, PD95_CODCOMP_MG66, PD95_OPZCOMP, PD95_QTAUTIL, "
            "PD95_UM FROM PD95_DISBA" +
            where +
            (fashion_ ? " AND PD95_TIPO_DISTINTA IN (0, 2)" : " AND PD95_TIPO_DISTINTA = 0"));
        return 0;
    }

    db::Connection* cn_ = nullptr;
    std::string originItem_, originVariant_, destItem_, destVariant_;
    bool components_ = true;
    bool fashion_ = false;
    int error_ = 0;
    std::string message_;
    std::vector<VariantSlot> dims_;
    std::string slotsCompany_;
};

}  // namespace

std::unique_ptr<VariantPreparer> createVariantPreparer() {
    return std::make_unique<DbVariantPreparer>();
}

std::unique_ptr<BomDuplicator> createBomDuplicator() {
    return std::make_unique<DbBomDuplicator>();
}

}  // namespace duplication
