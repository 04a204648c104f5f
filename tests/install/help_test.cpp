// The help pages: every context the program can open has its page under the name the Qt
// interaction service looks for, and the pages hold together (well-formed, every link and anchor
// resolves, every message code explained once and linked from a dialog's page).
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/setuppath.h"
#include "platform/mfc/winconst.h"
#include "platform/qt/qtinteraction.h"
#include "resources/library_resources.h"

namespace {

namespace fs = std::filesystem;

struct Page {
  std::string error;  // empty when the page is well-formed
  std::string title;
  bool styled = false;
  std::set<std::string> ids;
  std::vector<std::string> links;  // href and src values as written
};

Page ReadPage(const fs::path& path) {
  Page page;
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) {
    page.error = "cannot be read";
    return page;
  }
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (attributes.hasAttribute("id")) page.ids.insert(attributes.value("id").toString().toStdString());
    for (const char* name : {"href", "src"}) {
      if (attributes.hasAttribute(name)) page.links.push_back(attributes.value(name).toString().toStdString());
    }
    if (xml.name() == QStringLiteral("link") && attributes.value("rel") == QStringLiteral("stylesheet") &&
        attributes.value("href") == QStringLiteral("style.css")) {
      page.styled = true;
    }
    if (xml.name() == QStringLiteral("title")) page.title = xml.readElementText().toStdString();
  }
  if (xml.hasError()) {
    page.error = "line " + std::to_string(xml.lineNumber()) + ": " + xml.errorString().toStdString();
  }
  return page;
}

class HelpPages : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = mirel::HelpFolder();
    ASSERT_FALSE(m_folder.empty()) << "no mirel/help on the setup path";
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder)) {
      if (entry.path().extension() == ".html") m_pages[entry.path().filename().string()] = ReadPage(entry.path());
    }
    ASSERT_TRUE(m_pages.count("index.html"));
    ASSERT_TRUE(m_pages.count("messages.html"));
  }

  // The page the program's interaction service opens for a context, as a file name.
  std::string PageFor(DWORD context) const {
    const QString page = mirel::qt::QtInteraction(m_folder).HelpPage(context);
    return fs::path(page.toStdString()).filename().string();
  }

  static std::string Hex(DWORD value) {
    std::ostringstream out;
    out << std::hex << value;
    return out.str();
  }

  std::string m_folder;
  std::map<std::string, Page> m_pages;
};

TEST_F(HelpPages, EveryDialogOfTheLibraryOpensAPageOfItsOwn) {
  const std::vector<UINT> dialogs = mirel::LibraryResources().DialogIds();
  ASSERT_FALSE(dialogs.empty());
  for (UINT id : dialogs) {
    const DWORD context = HID_BASE_RESOURCE + id;
    EXPECT_EQ(PageFor(context), Hex(context) + ".html") << "dialog " << id << " has no help page of its own";
  }
}

// Help opened with a fixed context anywhere in the program's sources.
std::set<DWORD> ContextsPassedToWinHelp(const fs::path& sourceRoot) {
  static const std::regex call(R"(WinHelp\s*\(\s*(?:HID_BASE_RESOURCE\s*\+\s*(\d+)|(0[xX][0-9A-Fa-f]+|\d+))\b)");
  std::set<DWORD> contexts;
  for (const char* folder : {"app", "startup", "shell", "querygrid", "celldialogs", "validation", "customcols"}) {
    if (!fs::exists(sourceRoot / folder)) continue;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sourceRoot / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".cpp" && extension != ".h") continue;
      std::ifstream in(entry.path());
      const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      for (std::sregex_iterator it(text.begin(), text.end(), call), end; it != end; ++it) {
        if ((*it)[1].matched) contexts.insert(HID_BASE_RESOURCE + DWORD(std::stoul((*it)[1].str())));
        else contexts.insert(DWORD(std::stoul((*it)[2].str(), nullptr, 0)));
      }
    }
  }
  return contexts;
}

TEST_F(HelpPages, EveryContextTheSourcesPassToWinHelpOpensAPageOfItsOwn) {
  const char* source = std::getenv("MIREL_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  for (DWORD context : ContextsPassedToWinHelp(source)) {
    EXPECT_EQ(PageFor(context), Hex(context) + ".html") << "help context 0x" << Hex(context) << " has no page";
  }
}

TEST_F(HelpPages, PagesAreWellFormedTitledAndShareTheStylesheet) {
  EXPECT_TRUE(fs::exists(fs::path(m_folder) / "style.css"));
  for (const auto& [name, page] : m_pages) {
    EXPECT_EQ(page.error, "") << name;
    EXPECT_FALSE(page.title.empty()) << name << " has no title";
    EXPECT_TRUE(page.styled) << name << " does not use style.css";
  }
}

TEST_F(HelpPages, EveryLinkAndAnchorResolvesAndEveryPageIsReachableFromTheContents) {
  std::map<std::string, std::set<std::string>> linkedFrom;
  for (const auto& [name, page] : m_pages) {
    for (const std::string& link : page.links) {
      if (link.rfind("http://", 0) == 0 || link.rfind("https://", 0) == 0) continue;
      const size_t hash = link.find('#');
      const std::string target = hash == 0 ? name : link.substr(0, hash);
      const std::string anchor = hash == std::string::npos ? "" : link.substr(hash + 1);
      ASSERT_EQ(target.find('/'), std::string::npos) << name << ": " << link << " leaves the help folder";
      ASSERT_TRUE(fs::exists(fs::path(m_folder) / target)) << name << ": " << link << " names no file";
      if (!anchor.empty()) {
        ASSERT_TRUE(m_pages.count(target)) << name << ": " << link;
        EXPECT_TRUE(m_pages.at(target).ids.count(anchor)) << name << ": " << link << " names no anchor";
      }
      linkedFrom[target].insert(name);
    }
  }
  // Breadth first from the contents page.
  std::set<std::string> reached{"index.html"};
  std::vector<std::string> queue{"index.html"};
  while (!queue.empty()) {
    const std::string name = queue.back();
    queue.pop_back();
    for (const std::string& link : m_pages.at(name).links) {
      const std::string target = link.substr(0, link.find('#'));
      if (m_pages.count(target) && reached.insert(target).second) queue.push_back(target);
    }
  }
  for (const auto& [name, page] : m_pages) EXPECT_TRUE(reached.count(name)) << name << " cannot be reached from index.html";
}

TEST_F(HelpPages, EveryMessageCodeIsExplainedOnceAndLinkedFromWhereItAppears) {
  const std::string messageFile = mirel::FindSetupFile("tdd/crpterrors.txt");
  ASSERT_FALSE(messageFile.empty());
  std::set<std::string> codes;
  std::ifstream in(messageFile);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("ZRREPS-", 0) == 0) codes.insert(line.substr(0, line.find('\t')));
  }
  ASSERT_FALSE(codes.empty());

  std::set<std::string> explained;
  for (const std::string& id : m_pages.at("messages.html").ids) {
    if (id.rfind("ZRREPS-", 0) == 0) explained.insert(id);
  }
  EXPECT_EQ(explained, codes) << "messages.html explains exactly the codes of the message file";

  std::set<std::string> linked;
  for (const auto& [name, page] : m_pages) {
    if (name == "messages.html") continue;
    for (const std::string& link : page.links) {
      if (link.rfind("messages.html#", 0) == 0) linked.insert(link.substr(link.find('#') + 1));
    }
  }
  for (const std::string& code : codes) EXPECT_TRUE(linked.count(code)) << code << " is linked from no dialog's page";
}

}  // namespace
