#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "text/errors.h"
#include "text/text_list.h"
#include "test_folder.h"

namespace velkor {
namespace {

// The system's write steps with one of them made to fail.
class FailingSteps : public files::WriteSteps {
 public:
  explicit FailingSteps(int failing_step) : failing_step_(failing_step) {}
  void Create(const std::string& temp) override {
    Step();
    real_->Create(temp);
  }
  void Write(std::string_view bytes) override {
    // Half the chunk reaches the temporary file before the failure.
    if (step_ + 1 == failing_step_) {
      real_->Write(bytes.substr(0, bytes.size() / 2));
    }
    Step();
    real_->Write(bytes);
  }
  void Flush() override {
    Step();
    real_->Flush();
  }
  void Close() override {
    Step();
    real_->Close();
  }
  void Replace(const std::string& temp, const std::string& target) override {
    Step();
    real_->Replace(temp, target);
  }
  void Discard(const std::string& temp) noexcept override { real_->Discard(temp); }
  int steps() const { return step_; }

 private:
  void Step() {
    if (++step_ == failing_step_) {
      throw Error("disk full");
    }
  }
  std::unique_ptr<files::WriteSteps> real_ = files::SystemWriteSteps();
  int failing_step_;
  int step_ = 0;
};

TEST(SafeWrite, AFailureAtAnyStepLeavesTheOldFileAsItWas) {
  TestFolder folder;
  const std::string old_text = "old<AD>a<KD>k<EX>e\r\n";
  // Large enough for several write steps.
  const std::string new_text(200 * 1024, 'n');
  FailingSteps count_only(0);
  files::WriteAll("self.txt", old_text);
  files::WriteAllWith(count_only, "probe.txt", new_text);
  ASSERT_GT(count_only.steps(), 5);

  for (int step = 1; step <= count_only.steps(); ++step) {
    FailingSteps failing(step);
    try {
      files::WriteAllWith(failing, "self.txt", new_text);
      ADD_FAILURE() << "step " << step << " did not fail";
    } catch (const FileCreateError& error) {
      EXPECT_EQ(error.file(), "self.txt");
      EXPECT_NE(std::string(error.what()).find("disk full"), std::string::npos);
    }
    EXPECT_EQ(files::ReadAll("self.txt"), old_text) << "step " << step;
    EXPECT_FALSE(files::Exists(files::TemporaryNameFor("self.txt"))) << "step " << step;
  }
}

TEST(SafeWrite, ReplacesTheWholeFileAndSavesTextLists) {
  TestFolder folder;
  files::WriteAll("kind.txt", "a much longer old text\r\n");
  TextList({"新闻", "", "b"}).SaveToFile("kind.txt");
  EXPECT_EQ(files::ReadAll("kind.txt"), "新闻\r\n\r\nb\r\n");
  TextList loaded;
  loaded.LoadFromFile("kind.txt");
  EXPECT_EQ(loaded, TextList({"新闻", "", "b"}));
}

TEST(Files, ReportsMissingFilesAndFolders) {
  TestFolder folder;
  std::filesystem::create_directory("www.htm");
  EXPECT_FALSE(files::Exists("www.htm"));
  EXPECT_FALSE(files::Exists("missing.txt"));
  EXPECT_FALSE(files::Remove("missing.txt"));
  try {
    files::ReadAll("missing.txt");
    ADD_FAILURE() << "no error";
  } catch (const FileOpenError& error) {
    EXPECT_EQ(error.file(), "missing.txt");
    EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"missing.txt\". ", 0), 0u);
  }
  // A folder in the way of the new file: the write fails and says so.
  EXPECT_THROW(files::WriteAll("www.htm", "x"), FileCreateError);
}

TEST(Files, HandlesChineseFileNames) {
  TestFolder folder;
  files::WriteAll("自家书签.txt", "x");
  EXPECT_TRUE(files::Exists("自家书签.txt"));
  EXPECT_EQ(files::ReadAll("自家书签.txt"), "x");
  EXPECT_TRUE(files::Remove("自家书签.txt"));
  EXPECT_FALSE(files::Exists("自家书签.txt"));
}

}  // namespace
}  // namespace velkor
