#include "classroomserver/SqlClassroomStorage.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <atomic>

#include "shared/CodePage.h"

namespace tess {
namespace {

QString Text(std::string_view cp1250) { return Decode(cp1250, CodePage::Cp1250); }
std::string Bytes(const QVariant& value) { return Encode(value.toString(), CodePage::Cp1250); }
QByteArray Blob(std::string_view bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString Positions(const std::vector<int>& positions) {
  QStringList parts;
  for (int position : positions) parts << QString::number(position);
  return parts.join(u' ');
}

std::vector<int> PositionsOf(const QString& text) {
  std::vector<int> positions;
  for (const QString& part : text.split(u' ', Qt::SkipEmptyParts)) {
    bool number = false;
    const int position = part.toInt(&number);
    if (number) positions.push_back(position);
  }
  return positions;
}

// libpq's "key=value key='value with blanks'" form.
QList<std::pair<QString, QString>> ConnectionPairs(const QString& text, QString* error) {
  QList<std::pair<QString, QString>> pairs;
  qsizetype at = 0;
  const qsizetype end = text.size();
  while (true) {
    while (at < end && text[at].isSpace()) ++at;
    if (at >= end) break;
    const qsizetype equals = text.indexOf(u'=', at);
    if (equals < 0) {
      *error = QStringLiteral("no '=' after \"%1\"").arg(text.mid(at));
      return {};
    }
    const QString key = text.mid(at, equals - at).trimmed();
    at = equals + 1;
    while (at < end && text[at].isSpace()) ++at;
    QString value;
    if (at < end && text[at] == u'\'') {
      ++at;
      while (at < end && text[at] != u'\'') {
        if (text[at] == u'\\' && at + 1 < end) ++at;
        value += text[at++];
      }
      if (at >= end) {
        *error = QStringLiteral("unterminated quote in the value of %1").arg(key);
        return {};
      }
      ++at;
    } else {
      while (at < end && !text[at].isSpace()) value += text[at++];
    }
    pairs.append({key, value});
  }
  return pairs;
}

class Transaction {
 public:
  Transaction(QSqlDatabase& db, bool postgres) : db_(db) {
    QSqlQuery begin(db_);
    // SQLite takes the write lock now, so a read-then-write cannot deadlock with another one.
    began_ = begin.exec(postgres ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    if (!began_) error_ = begin.lastError().text().toStdString();
  }
  ~Transaction() {
    if (began_ && !done_) QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
  }
  bool Began() const { return began_; }
  const std::string& Error() const { return error_; }
  bool Commit() {
    QSqlQuery commit(db_);
    done_ = commit.exec(QStringLiteral("COMMIT"));
    if (!done_) error_ = commit.lastError().text().toStdString();
    return done_;
  }

 private:
  QSqlDatabase& db_;
  bool began_ = false;
  bool done_ = false;
  std::string error_;
};

}  // namespace

std::unique_ptr<SqlClassroomStorage> SqlClassroomStorage::Open(const StorageLocation& where,
                                                               std::string* error) {
  static std::atomic<int> serial{0};
  const QString name = QStringLiteral("classroom-%1").arg(++serial);
  const bool postgres = where.What == StorageLocation::Kind::Postgres;
  const auto fail = [&](const QString& why) -> std::unique_ptr<SqlClassroomStorage> {
    if (error) *error = why.toStdString();
    QSqlDatabase::removeDatabase(name);
    return nullptr;
  };
  {
    QSqlDatabase db =
        QSqlDatabase::addDatabase(postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                  name);
    if (!db.isValid()) {
      return fail(QStringLiteral("the Qt SQL driver %1 is not installed")
                      .arg(postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE")));
    }
    if (postgres) {
      QString why;
      const auto pairs = ConnectionPairs(QString::fromStdString(where.Target), &why);
      if (!why.isEmpty()) return fail(QStringLiteral("PostgreSQL connection string: ") + why);
      QStringList options;
      for (const auto& [key, value] : pairs) {
        if (key == u"host") {
          db.setHostName(value);
        } else if (key == u"port") {
          db.setPort(value.toInt());
        } else if (key == u"dbname") {
          db.setDatabaseName(value);
        } else if (key == u"user") {
          db.setUserName(value);
        } else if (key == u"password") {
          db.setPassword(value);
        } else {
          options << key + u'=' + value;
        }
      }
      db.setConnectOptions(options.join(u';'));
    } else {
      db.setDatabaseName(QString::fromStdString(where.Target));
      db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    if (!db.open()) return fail(db.lastError().text());
  }
  std::unique_ptr<SqlClassroomStorage> storage(new SqlClassroomStorage(name, postgres));
  if (!storage->CreateTables()) {
    const std::string why = storage->lastError_;
    storage.reset();
    if (error) *error = why;
    return nullptr;
  }
  return storage;
}

SqlClassroomStorage::SqlClassroomStorage(QString connection, bool postgres)
    : connection_(std::move(connection)), postgres_(postgres) {}

SqlClassroomStorage::~SqlClassroomStorage() {
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

bool SqlClassroomStorage::Exec(const QString& statement) {
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  if (query.exec(statement)) return true;
  lastError_ = query.lastError().text().toStdString();
  return false;
}

bool SqlClassroomStorage::CreateTables() {
  const QString id = postgres_ ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                               : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
  const QString blob = postgres_ ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
  if (!postgres_ && !Exec(QStringLiteral("PRAGMA journal_mode=WAL"))) return false;
  // "already exists, skipping" notices would otherwise go to stderr on every start.
  if (postgres_ && !Exec(QStringLiteral("SET client_min_messages TO WARNING"))) return false;
  return Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS learners (name TEXT PRIMARY KEY, "
                             "password_hash TEXT NOT NULL, access INTEGER NOT NULL, "
                             "whole_material INTEGER NOT NULL)")) &&
         Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS results (learner TEXT NOT NULL, "
                             "tag TEXT NOT NULL, records %1 NOT NULL, "
                             "PRIMARY KEY (learner, tag))")
                  .arg(blob)) &&
         Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS lessons (id %1, name TEXT NOT NULL "
                             "UNIQUE, positions TEXT NOT NULL)")
                  .arg(id)) &&
         Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS assignments (id %1, lesson_id BIGINT "
                             "NOT NULL, learner TEXT NOT NULL, from_date TEXT NOT NULL, "
                             "to_date TEXT NOT NULL, at_once INTEGER NOT NULL)")
                  .arg(id)) &&
         Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS teachers (name TEXT PRIMARY KEY, "
                             "password_hash TEXT NOT NULL)"));
}

namespace {
// Runs a prepared query; the error text lands in `error`.
bool Run(QSqlQuery& query, std::string& error) {
  if (query.exec()) return true;
  error = query.lastError().text().toStdString();
  return false;
}
}  // namespace

bool SqlClassroomStorage::FindLearner(std::string_view name,
                                      std::optional<LearnerAccount>& learner) {
  learner.reset();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("SELECT name, password_hash, access, whole_material FROM learners "
                        "WHERE name = ?"));
  query.addBindValue(Text(name));
  if (!Run(query, lastError_)) return false;
  if (query.next()) {
    learner = LearnerAccount{Bytes(query.value(0)), query.value(1).toString().toStdString(),
                             query.value(2).toInt() != 0, query.value(3).toInt() != 0};
  }
  return true;
}

bool SqlClassroomStorage::Learners(std::vector<LearnerAccount>& learners) {
  learners.clear();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("SELECT name, password_hash, access, whole_material FROM learners "
                        "ORDER BY name"));
  if (!Run(query, lastError_)) return false;
  while (query.next()) {
    learners.push_back({Bytes(query.value(0)), query.value(1).toString().toStdString(),
                        query.value(2).toInt() != 0, query.value(3).toInt() != 0});
  }
  return true;
}

StorageChange SqlClassroomStorage::AddLearner(const LearnerAccount& learner) {
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("INSERT INTO learners (name, password_hash, access, "
                               "whole_material) VALUES (?, ?, ?, ?) ON CONFLICT (name) DO "
                               "NOTHING"));
  query.addBindValue(Text(learner.Name));
  query.addBindValue(QString::fromStdString(learner.PasswordHash));
  query.addBindValue(learner.Access ? 1 : 0);
  query.addBindValue(learner.WholeMaterial ? 1 : 0);
  if (!Run(query, lastError_)) return StorageChange::Failed;
  return query.numRowsAffected() == 0 ? StorageChange::Exists : StorageChange::Done;
}

StorageChange SqlClassroomStorage::SetPasswordHash(std::string_view name, std::string_view hash) {
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("UPDATE learners SET password_hash = ? WHERE name = ?"));
  query.addBindValue(QString::fromStdString(std::string(hash)));
  query.addBindValue(Text(name));
  if (!Run(query, lastError_)) return StorageChange::Failed;
  return query.numRowsAffected() == 0 ? StorageChange::NotFound : StorageChange::Done;
}

bool SqlClassroomStorage::Results(std::string_view learner, std::string_view tag,
                                  std::optional<std::string>& records) {
  records.reset();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("SELECT records FROM results WHERE learner = ? AND tag = ?"));
  query.addBindValue(Text(learner));
  query.addBindValue(Text(tag));
  if (!Run(query, lastError_)) return false;
  if (query.next()) records = query.value(0).toByteArray().toStdString();
  return true;
}

bool SqlClassroomStorage::LearnerExists(std::string_view name, bool& exists) {
  std::optional<LearnerAccount> learner;
  if (!FindLearner(name, learner)) return false;
  exists = learner.has_value();
  return true;
}

StorageChange SqlClassroomStorage::PutResults(std::string_view learner, std::string_view tag,
                                              std::string_view records) {
  bool exists = false;
  if (!LearnerExists(learner, exists)) return StorageChange::Failed;
  if (!exists) {
    lastError_ = "no such learner";
    return StorageChange::NotFound;
  }
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("INSERT INTO results (learner, tag, records) VALUES (?, ?, ?) "
                               "ON CONFLICT (learner, tag) DO UPDATE SET records = "
                               "excluded.records"));
  query.addBindValue(Text(learner));
  query.addBindValue(Text(tag));
  query.addBindValue(Blob(records));
  if (!Run(query, lastError_)) return StorageChange::Failed;
  return StorageChange::Done;
}

StorageChange SqlClassroomStorage::EditResults(
    std::string_view learner, std::string_view tag,
    const std::function<bool(std::string& records)>& edit) {
  QSqlDatabase db = QSqlDatabase::database(connection_, false);
  Transaction transaction(db, postgres_);
  if (!transaction.Began()) {
    lastError_ = transaction.Error();
    return StorageChange::Failed;
  }
  QSqlQuery select(db);
  select.prepare(postgres_ ? QStringLiteral("SELECT records FROM results WHERE learner = ? AND "
                                            "tag = ? FOR UPDATE")
                           : QStringLiteral("SELECT records FROM results WHERE learner = ? AND "
                                            "tag = ?"));
  select.addBindValue(Text(learner));
  select.addBindValue(Text(tag));
  if (!Run(select, lastError_)) return StorageChange::Failed;
  if (!select.next()) return StorageChange::NotFound;
  std::string records = select.value(0).toByteArray().toStdString();
  select.finish();
  if (!edit(records)) return StorageChange::Unchanged;
  QSqlQuery update(db);
  update.prepare(QStringLiteral("UPDATE results SET records = ? WHERE learner = ? AND tag = ?"));
  update.addBindValue(Blob(records));
  update.addBindValue(Text(learner));
  update.addBindValue(Text(tag));
  if (!Run(update, lastError_)) return StorageChange::Failed;
  if (!transaction.Commit()) {
    lastError_ = transaction.Error();
    return StorageChange::Failed;
  }
  return StorageChange::Done;
}

bool SqlClassroomStorage::AllResults(const std::optional<std::string>& learner,
                                     std::vector<StoredResults>& results) {
  results.clear();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(learner ? QStringLiteral("SELECT learner, tag, records FROM results WHERE "
                                         "learner = ? ORDER BY learner, tag")
                        : QStringLiteral("SELECT learner, tag, records FROM results ORDER BY "
                                         "learner, tag"));
  if (learner) query.addBindValue(Text(*learner));
  if (!Run(query, lastError_)) return false;
  while (query.next()) {
    results.push_back({Bytes(query.value(0)), Bytes(query.value(1)),
                       query.value(2).toByteArray().toStdString()});
  }
  return true;
}

StorageChange SqlClassroomStorage::AddLesson(std::string_view name,
                                             const std::vector<int>& positions) {
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("INSERT INTO lessons (name, positions) VALUES (?, ?) "
                               "ON CONFLICT (name) DO NOTHING"));
  query.addBindValue(Text(name));
  query.addBindValue(Positions(positions));
  if (!Run(query, lastError_)) return StorageChange::Failed;
  return query.numRowsAffected() == 0 ? StorageChange::Exists : StorageChange::Done;
}

StorageChange SqlClassroomStorage::AssignLesson(std::string_view lesson, std::string_view learner,
                                                std::string_view fromDate,
                                                std::string_view toDate, bool atOnce) {
  bool exists = false;
  if (!LearnerExists(learner, exists)) return StorageChange::Failed;
  QSqlQuery find(QSqlDatabase::database(connection_, false));
  find.prepare(QStringLiteral("SELECT id FROM lessons WHERE name = ?"));
  find.addBindValue(Text(lesson));
  if (!Run(find, lastError_)) return StorageChange::Failed;
  if (!exists || !find.next()) {
    lastError_ = exists ? "no such lesson" : "no such learner";
    return StorageChange::NotFound;
  }
  const qlonglong lessonId = find.value(0).toLongLong();
  QSqlQuery insert(QSqlDatabase::database(connection_, false));
  insert.prepare(QStringLiteral("INSERT INTO assignments (lesson_id, learner, from_date, "
                                "to_date, at_once) VALUES (?, ?, ?, ?, ?)"));
  insert.addBindValue(lessonId);
  insert.addBindValue(Text(learner));
  insert.addBindValue(QString::fromStdString(std::string(fromDate)));
  insert.addBindValue(QString::fromStdString(std::string(toDate)));
  insert.addBindValue(atOnce ? 1 : 0);
  if (!Run(insert, lastError_)) return StorageChange::Failed;
  return StorageChange::Done;
}

bool SqlClassroomStorage::AssignmentsOf(std::string_view learner,
                                        std::vector<StoredAssignment>& assignments) {
  assignments.clear();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("SELECT a.lesson_id, l.name, l.positions, a.from_date, a.to_date, "
                        "a.at_once FROM assignments a JOIN lessons l ON l.id = a.lesson_id "
                        "WHERE a.learner = ? ORDER BY a.id"));
  query.addBindValue(Text(learner));
  if (!Run(query, lastError_)) return false;
  while (query.next()) {
    assignments.push_back({query.value(0).toLongLong(), Bytes(query.value(1)),
                           PositionsOf(query.value(2).toString()),
                           query.value(3).toString().toStdString(),
                           query.value(4).toString().toStdString(), query.value(5).toInt() != 0});
  }
  return true;
}

bool SqlClassroomStorage::TeacherPasswordHash(std::string_view name,
                                              std::optional<std::string>& hash) {
  hash.reset();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("SELECT password_hash FROM teachers WHERE name = ?"));
  query.addBindValue(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (!Run(query, lastError_)) return false;
  if (query.next()) hash = query.value(0).toString().toStdString();
  return true;
}

StorageChange SqlClassroomStorage::SetTeacherPasswordHash(std::string_view name,
                                                          std::string_view hash) {
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("INSERT INTO teachers (name, password_hash) VALUES (?, ?) "
                               "ON CONFLICT (name) DO UPDATE SET password_hash = "
                               "excluded.password_hash"));
  query.addBindValue(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  query.addBindValue(QString::fromStdString(std::string(hash)));
  if (!Run(query, lastError_)) return StorageChange::Failed;
  return StorageChange::Done;
}

bool SqlClassroomStorage::TeacherNames(std::vector<std::string>& names) {
  names.clear();
  QSqlQuery query(QSqlDatabase::database(connection_, false));
  query.prepare(QStringLiteral("SELECT name FROM teachers ORDER BY name"));
  if (!Run(query, lastError_)) return false;
  while (query.next()) names.push_back(query.value(0).toString().toStdString());
  return true;
}

}  // namespace tess
