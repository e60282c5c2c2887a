#include "app/ctl_report_command.h"

#include "app/ctl_session.h"
#include "platform/bo/recordset_text.h"
#include "platform/bo/reports/report_catalogue.h"

namespace ctl {

int runReport(const QString& location, const QString& name, const QStringList& words, const QString& csvPath,
              QTextStream& out, QTextStream& err)
{
    const bo::reports::ReportDefinition* report = bo::reports::findReport(name);
    if (!report) {
        QStringList known;
        for (const bo::reports::ReportDefinition& r : bo::reports::catalogue())
            known << r.key + QLatin1Char(' ') + bo::reports::wordsUsage(r);
        err << "Nežinoma ataskaita: " << name << " (yra: " << known.join(QStringLiteral("; ")) << ")." << Qt::endl;
        return 1;
    }
    QString error;
    const std::optional<bo::reports::ReportArguments> args = bo::reports::argumentsFromWords(*report, words, &error);
    if (!args) {
        err << error << Qt::endl;
        return 1;
    }
    return withSession(location, err, [&](bo::Session& session) {
        const vx::CallResult result = bo::reports::run(session, *report, *args);
        const vx::RecordsetPtr rows = result.Value.value<vx::RecordsetPtr>();
        if (result.Code != 0 || !rows) {
            err << result.Message << Qt::endl;
            return 1;
        }
        if (!csvPath.isEmpty()) {
            QString error;
            if (!bo::reports::writeCsv(csvPath, *report, *rows, &error)) {
                err << error << Qt::endl;
                return 1;
            }
            out << "Įrašyta: " << csvPath << Qt::endl;
            return 0;
        }
        for (const QString& line : bo::describeRecordset(*rows))
            out << line << '\n';
        out.flush();
        return 0;
    });
}

} // namespace ctl
