#pragma once
// The framework's error-report object: it takes the error being handled and
// the provider errors of the connection, shows the report (the running
// application, the window caption, the procedure, the error and every
// provider error with its SQLSTATE) and answers the button chosen: abort
// (3), retry (4) or ignore (5) with the usual style bits.

#include <string>
#include <vector>

#include "platform/db/errors.h"

namespace framework {

// The error being handled.
struct ReportedError {
    long number = 0;
    std::string description;
    std::string source;
};

// Everything a report shows.
struct ErrorReportData {
    ReportedError error;
    std::vector<db::ProviderError> providerErrors;
    std::string application;  // identifying text of the running application
    std::string caption;      // the window's caption
    std::string procedure;
    int style = 0;
};

// The report as text: the same lines the dialog shows, for copying.
std::string ReportText(const ErrorReportData& report);

// Shows a report and answers the button. Process-wide: a Qt dialog by
// default; tests install a scripted one (nullptr restores the dialog).
class ErrorReportPresenter {
public:
    virtual ~ErrorReportPresenter() = default;
    virtual int Present(const ErrorReportData& report) = 0;
};
void SetErrorReportPresenter(ErrorReportPresenter* presenter);
ErrorReportPresenter& ErrorReportPresenters();

class ErrorReport {
public:
    void SetError(ReportedError error) { data_.error = std::move(error); }
    void SetProviderErrors(std::vector<db::ProviderError> errors) {
        data_.providerErrors = std::move(errors);
    }
    // Shows the report with what was set; answers the button chosen.
    int Show(const std::string& application, const std::string& caption,
             const std::string& procedure, int style);
    // What the last Show presented.
    const ErrorReportData& Data() const { return data_; }

private:
    ErrorReportData data_;
};

}  // namespace framework
