#include "platform/db/command.h"

#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace db {

long long Command::execute() {
    return connection_->execute(text_);
}

BatchResult Command::run() {
    BatchResult result = connection_->run(text_);
    if (options_ & kExecuteNoRecords)
        result.resultSets.clear();
    return result;
}

void Command::open(Recordset& recordset) {
    recordset.open(text_, *connection_);
}

}  // namespace db
