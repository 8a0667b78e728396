// The record frame's navigation: look-up by key, first/previous/next/last,
// requery and reset.
#include <algorithm>
#include <cctype>

#include "platform/controls/record_frame.h"
#include "platform/controls/record_frame_impl.h"
#include "platform/db/sql_literal.h"

namespace controls {

namespace {

// Position of a top-level keyword (outside quotes and parentheses), or npos.
std::size_t findTopLevel(const std::string& sql, std::string_view word, std::size_t from = 0) {
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (quoted) {
            if (c == '\'')
                quoted = false;
            continue;
        }
        if (c == '\'')
            quoted = true;
        else if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (depth == 0 && i >= from && i + word.size() <= sql.size()) {
            bool match = (i == 0 || !std::isalnum(static_cast<unsigned char>(sql[i - 1])));
            for (std::size_t k = 0; match && k < word.size(); ++k)
                match = std::toupper(static_cast<unsigned char>(sql[i + k])) == word[k];
            const std::size_t end = i + word.size();
            if (match && (end == sql.size() || !std::isalnum(static_cast<unsigned char>(sql[end]))))
                return i;
        }
    }
    return std::string::npos;
}

std::string sqlLiteral(const db::Value& v) {
    if (v.isEmptyOrNull())
        return "NULL";
    if (v.isNumber())
        return v.toText();
    return db::sqlQuoted(v.toText());
}

}  // namespace

// The list statement narrowed to one key: the condition joins the statement's
// own WHERE (or starts one) ahead of any GROUP BY / ORDER BY.
std::string KeyFilteredStatement(const std::string& sql, const std::string& keyField,
                                 const db::Value& key) {
    std::size_t tail = std::min(findTopLevel(sql, "GROUP"), findTopLevel(sql, "ORDER"));
    if (tail == std::string::npos)
        tail = sql.size();
    std::string head = sql.substr(0, tail);
    while (!head.empty() && std::isspace(static_cast<unsigned char>(head.back())))
        head.pop_back();
    const std::size_t from = findTopLevel(head, "FROM");
    const bool hasWhere =
        findTopLevel(head, "WHERE", from == std::string::npos ? 0 : from) != std::string::npos;
    head += hasWhere ? " AND " : " WHERE ";
    head += keyField + " = " + sqlLiteral(key);
    if (tail < sql.size())
        head += " " + sql.substr(tail);
    return head;
}

bool RecordFrame::LookupRecord(bool notFoundMessage, bool keepEntry) {
    const db::Value* keyValue = d->current(d->keyField);
    if (!keyValue || keyValue->isEmptyOrNull())
        return false;
    const db::Value key = *keyValue;
    const bool entering = d->rs->status() == db::RecordStatus::New;
    const auto self = d->rs->bookmark();
    // Already among the recordset's rows?
    const int keyIndex = d->rs->fieldIndex(d->keyField);
    for (long row = 0; row < d->rs->recordCount(); ++row) {
        if (d->rs->bookmarkAt(row) == self)
            continue;
        if (d->rs->statusAt(row) == db::RecordStatus::New)
            continue;
        if (db::Value::compare(d->rs->valueAt(row, keyIndex), key) != 0)
            continue;
        const auto target = d->rs->bookmarkAt(row);
        {
            Impl::Busy guard(d.get());
            if (entering)
                d->rs->deleteCurrent();
            d->rs->setBookmark(target);
        }
        d->hasBeforeNew = false;
        d->shown();
        return true;
    }
    if (d->usesList()) {
        bool found = false;
        try {
            found = d->load(key);
        } catch (const std::exception& e) {
            d->say(QString::fromStdString(e.what()));
            return false;
        }
        if (found) {
            d->hasBeforeNew = false;
            d->shown();
            return true;
        }
    }
    if (notFoundMessage)
        d->say(QStringLiteral("Non esiste %1 con codice \"%2\".")
                   .arg(d->recordName(), QString::fromStdString(key.toText())));
    if (!keepEntry && entering) {
        d->dropNewRow();
        d->fill();
        d->setStatus(0);
    }
    return false;
}

namespace {
enum class Step { First, Previous, Next, Last };
}

bool RecordFrame::Move(int stepCode) {
    RecordFrame& frame = *this;
    Impl& d = *this->d;
    const Step step = static_cast<Step>(stepCode);
    if (!d.rs || !d.rs->isOpen())
        return false;
    if (!frame.SaveIfNeeded(true, false, true))
        return false;
    bool cancel = false;
    emit frame.beforeMove(cancel);
    if (cancel)
        return false;
    if (d.usesList()) {
        try {
            db::Recordset& list = d.navigationList();
            if (list.recordCount() == 0)
                return false;
            const int keyIndex = list.fieldIndex(d.keyField);
            if (keyIndex < 0)
                return false;
            long at = -1;
            if (const db::Value* key = d.current(d.keyField))
                for (long row = 0; row < list.recordCount() && at < 0; ++row)
                    if (db::Value::compare(list.valueAt(row, keyIndex), *key) == 0)
                        at = row;
            const long last = list.recordCount() - 1;
            long target = 0;
            switch (step) {
                case Step::First:
                    target = 0;
                    break;
                case Step::Last:
                    target = last;
                    break;
                case Step::Next:
                    target = at < 0 ? 0 : at + 1;
                    break;
                case Step::Previous:
                    target = at < 0 ? last : at - 1;
                    break;
            }
            if (target < 0 || target > last || target == at)
                return false;
            if (d.status == 2)
                d.dropNewRow();
            if (!d.load(list.valueAt(target, keyIndex)))
                return false;
        } catch (const std::exception& e) {
            d.say(QString::fromStdString(e.what()));
            return false;
        }
        d.shown();
        return true;
    }
    if (d.rs->recordCount() == 0)
        return false;
    const auto before = d.hasRow() ? d.rs->absolutePosition() : 0;
    {
        Impl::Busy guard(&d);
        switch (step) {
            case Step::First:
                d.rs->moveFirst();
                break;
            case Step::Last:
                d.rs->moveLast();
                break;
            case Step::Next:
                d.rs->moveNext();
                if (d.rs->eof())
                    d.rs->moveLast();
                break;
            case Step::Previous:
                d.rs->movePrevious();
                if (d.rs->bof())
                    d.rs->moveFirst();
                break;
        }
    }
    if (d.rs->absolutePosition() == before)
        return false;
    if (d.grid)
        d.grid->SetCurrentRow(d.rs->absolutePosition() - 1);
    d.shown();
    return true;
}

bool RecordFrame::MoveFirst() {
    return Move(static_cast<int>(Step::First));
}
bool RecordFrame::MovePrevious() {
    return Move(static_cast<int>(Step::Previous));
}
bool RecordFrame::MoveNext() {
    return Move(static_cast<int>(Step::Next));
}
bool RecordFrame::MoveLast() {
    return Move(static_cast<int>(Step::Last));
}

void RecordFrame::Requery() {
    if (d->rs && d->rs->isOpen() && d->rs->connection()) {
        Impl::Busy guard(d.get());
        d->rs->requery();
    }
    d->list.reset();
    d->hasBeforeNew = false;
    if (d->grid)
        d->grid->Refresh();
    d->fill();
    d->setStatus(0);
    emit requery();
}

void RecordFrame::Reset() {
    if (d->rs && d->rs->isOpen()) {
        Impl::Busy guard(d.get());
        d->rs->cancelBatch();
    }
    d->list.reset();
    d->hasBeforeNew = false;
    d->status = 0;
    d->fill();
}

}  // namespace controls
