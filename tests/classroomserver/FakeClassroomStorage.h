#pragma once
// An in-memory classroom storage and a transparent hasher, for the answers' tests.
#include <algorithm>
#include <map>

#include "classroomserver/ClassroomStorage.h"

namespace tess {

class FakeClassroomStorage : public ClassroomStorage {
 public:
  bool Failing = false;  ///< every call fails, as a storage whose database went away

  bool FindLearner(std::string_view name, std::optional<LearnerAccount>& learner) override {
    learner.reset();
    if (Failing) return Fail();
    for (const LearnerAccount& known : learners_) {
      if (known.Name == name) learner = known;
    }
    return true;
  }
  bool Learners(std::vector<LearnerAccount>& learners) override {
    learners = learners_;
    return !Failing || Fail();
  }
  StorageChange AddLearner(const LearnerAccount& learner) override {
    if (Failing) return FailChange();
    for (const LearnerAccount& known : learners_) {
      if (known.Name == learner.Name) return StorageChange::Exists;
    }
    learners_.push_back(learner);
    return StorageChange::Done;
  }
  StorageChange SetPasswordHash(std::string_view name, std::string_view hash) override {
    if (Failing) return FailChange();
    for (LearnerAccount& known : learners_) {
      if (known.Name == name) {
        known.PasswordHash = hash;
        return StorageChange::Done;
      }
    }
    return StorageChange::NotFound;
  }
  bool Results(std::string_view learner, std::string_view tag,
               std::optional<std::string>& records) override {
    records.reset();
    if (Failing) return Fail();
    const auto it = results_.find({std::string(learner), std::string(tag)});
    if (it != results_.end()) records = it->second;
    return true;
  }
  StorageChange PutResults(std::string_view learner, std::string_view tag,
                           std::string_view records) override {
    if (Failing) return FailChange();
    results_[{std::string(learner), std::string(tag)}] = std::string(records);
    return StorageChange::Done;
  }
  StorageChange EditResults(std::string_view learner, std::string_view tag,
                            const std::function<bool(std::string&)>& edit) override {
    if (Failing) return FailChange();
    const auto it = results_.find({std::string(learner), std::string(tag)});
    if (it == results_.end()) return StorageChange::NotFound;
    std::string copy = it->second;
    if (!edit(copy)) return StorageChange::Unchanged;
    it->second = copy;
    return StorageChange::Done;
  }
  bool AllResults(const std::optional<std::string>& learner,
                  std::vector<StoredResults>& results) override {
    results.clear();
    for (const auto& [key, records] : results_) {
      if (!learner || key.first == *learner) results.push_back({key.first, key.second, records});
    }
    return !Failing || Fail();
  }
  StorageChange AddLesson(std::string_view name, const std::vector<int>& positions) override {
    lessons_.push_back({std::string(name), positions});
    return StorageChange::Done;
  }
  StorageChange AssignLesson(std::string_view lesson, std::string_view learner,
                             std::string_view fromDate, std::string_view toDate,
                             bool atOnce) override {
    for (std::size_t i = 0; i < lessons_.size(); ++i) {
      if (lessons_[i].first == lesson) {
        assignments_.push_back({std::string(learner),
                                {static_cast<long long>(i + 1), lessons_[i].first,
                                 lessons_[i].second, std::string(fromDate), std::string(toDate),
                                 atOnce}});
        return StorageChange::Done;
      }
    }
    return StorageChange::NotFound;
  }
  bool AssignmentsOf(std::string_view learner,
                     std::vector<StoredAssignment>& assignments) override {
    assignments.clear();
    if (Failing) return Fail();
    for (const auto& [who, assignment] : assignments_) {
      if (who == learner) assignments.push_back(assignment);
    }
    return true;
  }
  bool TeacherPasswordHash(std::string_view name, std::optional<std::string>& hash) override {
    hash.reset();
    if (Failing) return Fail();
    const auto it = teachers_.find(std::string(name));
    if (it != teachers_.end()) hash = it->second;
    return true;
  }
  StorageChange SetTeacherPasswordHash(std::string_view name, std::string_view hash) override {
    if (Failing) return FailChange();
    teachers_[std::string(name)] = std::string(hash);
    return StorageChange::Done;
  }
  bool TeacherNames(std::vector<std::string>& names) override {
    names.clear();
    for (const auto& [name, hash] : teachers_) names.push_back(name);
    return !Failing || Fail();
  }
  const std::string& LastError() const override { return error_; }

 private:
  bool Fail() {
    error_ = "database gone";
    return false;
  }
  StorageChange FailChange() {
    error_ = "database gone";
    return StorageChange::Failed;
  }

  std::vector<LearnerAccount> learners_;
  std::map<std::pair<std::string, std::string>, std::string> results_;
  std::vector<std::pair<std::string, std::vector<int>>> lessons_;
  std::vector<std::pair<std::string, StoredAssignment>> assignments_;
  std::map<std::string, std::string> teachers_;
  std::string error_;
};

/// "hash:" + password; counts the checks.
class FakeHasher : public PasswordHasher {
 public:
  int Checks = 0;
  std::string Hash(std::string_view password) override { return "hash:" + std::string(password); }
  bool Verify(std::string_view password, std::string_view stored) override {
    ++Checks;
    return stored == Hash(password);
  }
};

}  // namespace tess
