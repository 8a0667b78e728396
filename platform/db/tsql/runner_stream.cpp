// Forward-only reads: the rows of a batch's one query handed to the caller
// as SQLite steps them, with nothing kept in between.

#include <memory>
#include <utility>

#include "platform/db/tsql/runner.h"

namespace db::sqlite {

bool PlanRunner::streamable(const tsql::Statement& st) {
    // TOP ... WITH TIES or PERCENT needs every row before it knows the
    // first; an INSERT, UPDATE or DELETE has no rows to hand over.
    return st.kind == tsql::Statement::Kind::Query && st.top.empty() && !st.insert &&
           !st.insertAllColumns && !st.truncate && st.variables.empty() &&
           (st.sql.rfind("SELECT", 0) == 0 || st.sql.rfind("WITH", 0) == 0);
}

void PlanRunner::forEachRow(std::string_view sql, RowSink& sink) {
    tsql::Shape shape;
    const std::shared_ptr<const tsql::Plan> plan = plans_.get(sql, shape, &types_);
    if (plan->statements.size() != 1 || !streamable(plan->statements.front())) {
        backend_.Backend::forEachRow(sql, sink);  // run whole, handed over from memory
        return;
    }
    struct Offer {
        PlanRunner& r;
        ~Offer() {
            r.sink_ = r.streamTo_ = nullptr;
            r.streaming_ = nullptr;
        }
    } offer{*this};
    sink_ = &sink;
    streamed_ = false;
    run(sql);
    if (!std::exchange(streamed_, false))
        sink.columns({});  // WITH ... DELETE: no rows, and no other statement to have any
}

namespace {

// Gives the sink the columns and values as run() gives them: a decimal
// column of SQL Server's typing that SQLite computed as another storage
// comes as that decimal, converted by the same rules, value by value.
class TypedSink final : public RowSink {
public:
    TypedSink(RowSink& sink, const tsql::Statement& st) : sink_(sink), st_(st) {}

    void columns(const std::vector<Column>& columns) override {
        ResultSet typed;
        typed.columns = columns;
        applyResultTypes(typed, st_.resultTypes, st_.compound);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const Column& before = columns[i];
            const Column& after = typed.columns[i];
            if (after.type != before.type || after.scale != before.scale ||
                after.precision != before.precision)
                converted_.push_back(static_cast<int>(i));
        }
        original_ = columns;
        sink_.columns(typed.columns);
    }

    bool row(const RowView& row) override {
        ++rows_;
        if (converted_.empty())
            return sink_.row(row);
        return sink_.row(Converted(*this, row));
    }

    long long rows() const { return rows_; }

private:
    class Converted final : public RowView {
    public:
        Converted(const TypedSink& s, const RowView& row) : s_(s), row_(row) {}
        Value value(int column) const override {
            for (int c : s_.converted_)
                if (c == column)
                    return s_.convert(column, row_.value(column));
            return row_.value(column);
        }

    private:
        const TypedSink& s_;
        const RowView& row_;
    };

    Value convert(int column, Value v) const {
        const auto i = static_cast<std::size_t>(column);
        ResultSet one;
        one.columns.push_back(original_[i]);
        one.rows.push_back({std::move(v)});
        applyResultTypes(one, {st_.resultTypes[i]}, st_.compound);
        return std::move(one.rows[0][0]);
    }

    RowSink& sink_;
    const tsql::Statement& st_;
    std::vector<Column> original_;
    std::vector<int> converted_;
    long long rows_ = 0;
};

}  // namespace

void PlanRunner::streamQuery(const tsql::Statement& st, const Literals& literals,
                             BatchResult& result) {
    RowSink& sink = *std::exchange(streamTo_, nullptr);
    streaming_ = nullptr;
    TypedSink typed(sink, st);
    bool hasColumns = false;
    long long changed = 0;
    engine_.stream(st.sql, literals, st.source, typed, &changed, &hasColumns);
    result.rowsAffected += changed;
    variables_.error = 0;
    variables_.rowCount = hasColumns ? typed.rows() : changed;
    streamed_ = hasColumns;
}

}  // namespace db::sqlite
