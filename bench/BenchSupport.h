#pragma once

#include "TestEnvironment.h"
#include "data/Scales.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <algorithm>
#include <functional>
#include <vector>

// Timings of one measured step, in milliseconds.
struct Figures
{
    std::vector<double> ms;
    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0 : ms[ms.size() / 2];
    }
    double max() { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

inline double elapsedMs(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// Registers n subjects straight into the file, in one transaction: an IDE row whose
// fields come from field(i, k) (k = 1..8) and an empty answer row in each answer table,
// codes 100000 upwards.
inline void fillSubjects(TestEnvironment& env, int n, const std::function<QString(int i, int k)>& field)
{
    QSqlDatabase c = env.db.connection();
    env.db.begin();
    QSqlQuery ide(c);
    ide.prepare(QStringLiteral("INSERT INTO IDE (Code, F1, F2, F3, F4, F5, F6, F7, F8) VALUES (?,?,?,?,?,?,?,?,?)"));
    QSqlQuery answers[3] = {QSqlQuery(c), QSqlQuery(c), QSqlQuery(c)};
    for (int s = 0; s < 3; ++s)
        answers[s].prepare(
            QStringLiteral("INSERT INTO %1 (Code) VALUES (?)").arg(QLatin1String(kScales[s].answerTable)));
    for (int i = 0; i < n; ++i) {
        const QString code = QString::number(100000 + i);
        ide.addBindValue(code);
        for (int k = 1; k <= 8; ++k)
            ide.addBindValue(field(i, k));
        ide.exec();
        for (QSqlQuery& a : answers) {
            a.addBindValue(code);
            a.exec();
        }
    }
    env.db.commit();
}
