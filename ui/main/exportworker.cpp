#include "ui/main/exportworker.h"

#include <QDate>
#include <QThread>
#include <atomic>

struct ExportWorker::Job {
    std::atomic_bool cancel{false};
    std::unique_ptr<soccer::League> league;
    publish::ExportRequest request;
    QDate date;
    soccer::Publication publication;
};

ExportWorker::ExportWorker(QObject *parent) : QObject(parent) {}

ExportWorker::~ExportWorker() {
    for (const std::shared_ptr<Job> &job : jobs_)
        job->cancel = true;
    for (QThread *thread : running_) {
        thread->wait();
        delete thread;
    }
}

void ExportWorker::start(const soccer::League &league, publish::ExportRequest request, Done done) {
    auto job = std::make_shared<Job>();
    job->league = std::make_unique<soccer::League>(league);
    job->request = std::move(request);
    job->request.season.places.cancel = &job->cancel;
    // Dated when asked, as the export always was, however long the counting takes.
    job->date = QDate::currentDate();
    QThread *thread = QThread::create([job] {
        job->publication = publish::exportedPublication(*job->league, job->request, job->date);
    });
    running_.append(thread);
    jobs_.append(job);
    connect(thread, &QThread::finished, this, [this, job, thread, done = std::move(done)] {
        running_.removeOne(thread);
        jobs_.removeOne(job);
        thread->deleteLater();
        done(job->publication);
        emit finished();
    });
    thread->start(QThread::LowPriority);
}
