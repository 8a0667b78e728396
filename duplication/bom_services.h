#pragma once
// The host's variant and bill-of-materials services as the duplication of
// bills of materials uses them: the variant utility object, created for each
// run, which prepares a destination variant article, and the window's
// bill-of-materials duplication object, which copies the origin's bill of
// materials (PD95_DISBA) onto it. The window hands them their values in a
// fixed order and reads back an outcome; how they work is theirs.
//
// The implementations here work on the host database:
// - preparing a variant article checks it against the destination item's
//   variants and gives it its base-language description (MG87_ARTDESC)
//   when it has none yet;
// - duplicating copies the origin's rows of kind 0 (production), and with the
//   fashion switch those of kind 2 (the rules of the fashion bill of
//   materials), in one statement; components and quantities stay as they
//   are. The demo database keeps no alternatives, notes or work cycles per
//   variant article, so those switches are taken and have nothing to copy.
//
// Composed option codes are written padded to the company's full width, as
// every composed code in the database.

#include <memory>
#include <string>

#include "platform/db/forward.h"

namespace framework {
class Cinterface;
class Company;
}  // namespace framework

namespace duplication {

// The variant utility object (one per run).
class VariantPreparer {
public:
    virtual ~VariantPreparer() = default;
    virtual void SetInterface(framework::Cinterface* host) = 0;
    virtual void SetConnection(db::Connection* connection) = 0;
    virtual void SetCompany(const framework::Company* company) = 0;
    virtual void SetCompanyCode(const std::string& code) = 0;
    virtual void SetItem(const std::string& item) = 0;
    virtual void SetVariantArticle(const std::string& code) = 0;
    // Called twice per row: the first checks the article, the second
    // prepares it. Database failures other than bad data are thrown.
    virtual void Proceed() = 0;
};

// Error codes of the duplication object.
enum DuplicationError : int {
    kErrParametri = 1,        // missing or unknown item, copy onto itself
    kErrNessunLegame = 2,     // the origin has no bill of materials
    kErrDuplicazione = 3,     // the copy was refused by the database
    kErrFiltroRevisioni = 8,  // revision filter (not kept by the demo database)
    kErrMessaggio = 9,        // see Message()
    kErrGenerico = 99,        // anything else
};

// The bill-of-materials duplication object (one per window). Values are
// handed in this order before each Run.
class BomDuplicator {
public:
    virtual ~BomDuplicator() = default;
    virtual void SetConnection(db::Connection* connection) = 0;
    virtual void SetOriginItem(const std::string& item) = 0;
    virtual void SetOriginVariant(const std::string& variant) = 0;
    virtual void SetOriginRevision(int revision) = 0;
    virtual void SetDestinationItem(const std::string& item) = 0;
    virtual void SetDestinationVariant(const std::string& variant) = 0;
    virtual void SetDestinationRevision(int revision) = 0;
    virtual void SetCopyComponents(bool copy) = 0;
    virtual void SetCopyAlternatives(bool copy) = 0;
    virtual void SetCopyNotes(bool copy) = 0;
    virtual void SetNoteKinds(bool general, bool commercial, bool site, bool technical) = 0;
    virtual void SetCopyCycles(bool copy) = 0;
    virtual void SetCopyFashionRules(bool copy) = 0;
    // Answers whether errors occurred; then ErrorCode(), and for code 9
    // HasMessage() and Message(). Failures of the connection itself (link
    // lost, database busy) are thrown: the caller may retry the row.
    virtual bool Run(const std::string& company) = 0;
    virtual int ErrorCode() const = 0;
    virtual bool HasMessage() const = 0;
    virtual std::string Message() const = 0;
    // Whether the origin has rules of the fashion bill of materials.
    virtual bool OriginRulesExist(const std::string& company, const std::string& item,
                                  const std::string& variant) = 0;
};

// The implementations over the host database.
std::unique_ptr<VariantPreparer> createVariantPreparer();
std::unique_ptr<BomDuplicator> createBomDuplicator();

}  // namespace duplication
