#pragma once

#include "publish/exportfile.h"

#include <QList>
#include <QObject>
#include <functional>
#include <memory>

class QThread;

// Counts the tables of an export on a worker thread, so that places that take long never hold
// the window. Each export counts its own copy of the table, as it stood when asked; `done`
// runs in the window's thread once the tables are counted. Closing the window cancels what
// still runs: its `done` never comes.
class ExportWorker : public QObject {
    Q_OBJECT

  public:
    using Done = std::function<void(const soccer::Publication &publication)>;

    explicit ExportWorker(QObject *parent = nullptr);
    ~ExportWorker() override;

    void start(const soccer::League &league, publish::ExportRequest request, Done done);
    // True while an export is being counted.
    bool isBusy() const { return !running_.isEmpty(); }

  signals:
    // An export's `done` has run.
    void finished();

  private:
    struct Job;

    QList<QThread *> running_;
    QList<std::shared_ptr<Job>> jobs_;
};
