// The help pages: every context the program can open has its page under the name the Qt
// interaction service looks for, and the pages hold together (well-formed, every link and anchor
// resolves, every message code explained once and linked from a dialog's page).
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
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

// The contexts that the program's sources pass to WinHelp: a call's first argument, or the
// definitions of the constant it names, evaluated as a sum of numbers, HID_BASE_RESOURCE and
// constants defined in the same file (the usual `IDD = 1021; kHelpContext = 0x20000 + IDD`).
// A member such as m_nIDHelp is the dialog's own template id, which the test above covers.
struct SourceFile {
  fs::path path;
  std::string text;
};

std::vector<SourceFile> ProgramSources(const fs::path& root) {
  std::vector<SourceFile> files;
  for (const char* folder : {"app", "startup", "shell", "querygrid", "celldialogs", "validation", "customcols"}) {
    if (!fs::exists(root / folder)) continue;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".cpp" && extension != ".h") continue;
      std::ifstream in(entry.path());
      files.push_back({entry.path(), std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())});
    }
  }
  return files;
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

std::vector<std::string> Definitions(const std::string& name, const std::string& text) {
  const std::regex definition("\\b" + name + R"(\s*=\s*([^;{}]+);)");
  std::vector<std::string> expressions;
  for (std::sregex_iterator it(text.begin(), text.end(), definition), end; it != end; ++it) {
    expressions.push_back(Trim((*it)[1].str()));
  }
  return expressions;
}

std::optional<DWORD> Evaluate(const std::string& expression, const std::string& text, int depth = 0) {
  if (depth > 4) return std::nullopt;
  DWORD sum = 0;
  std::istringstream terms(expression);
  for (std::string term; std::getline(terms, term, '+');) {
    term = Trim(term);
    static const std::regex number(R"((0[xX][0-9A-Fa-f]+|\d+)[uUlL]*)");
    std::smatch match;
    if (std::regex_match(term, match, number)) {
      sum += DWORD(std::stoul(match[1].str(), nullptr, 0));
    } else if (term == "HID_BASE_RESOURCE") {
      sum += HID_BASE_RESOURCE;
    } else if (std::regex_match(term, std::regex(R"([A-Za-z_]\w*)"))) {
      const std::vector<std::string> definitions = Definitions(term, text);
      if (definitions.size() != 1) return std::nullopt;
      const std::optional<DWORD> value = Evaluate(definitions.front(), text, depth + 1);
      if (!value) return std::nullopt;
      sum += *value;
    } else {
      return std::nullopt;
    }
  }
  return sum;
}

struct HelpCalls {
  std::set<DWORD> contexts;
  std::vector<std::string> unresolved;
};

HelpCalls ContextsPassedToWinHelp(const std::vector<SourceFile>& files) {
  static const std::regex call(R"(WinHelp\s*\(\s*([^,()]+))");
  HelpCalls calls;
  for (const SourceFile& file : files) {
    for (std::sregex_iterator it(file.text.begin(), file.text.end(), call), end; it != end; ++it) {
      const std::string argument = Trim((*it)[1].str());
      if (argument.find("m_") != std::string::npos || argument == "data" || argument == "dwData") continue;
      if (const std::optional<DWORD> value = Evaluate(argument, file.text)) {
        calls.contexts.insert(*value);
        continue;
      }
      // A constant defined elsewhere (a class's header): every definition of it counts.
      bool found = false;
      for (const SourceFile& other : files) {
        for (const std::string& definition : Definitions(argument, other.text)) {
          if (const std::optional<DWORD> value = Evaluate(definition, other.text)) {
            calls.contexts.insert(*value);
            found = true;
          }
        }
      }
      if (!found) calls.unresolved.push_back(file.path.filename().string() + ": WinHelp(" + argument);
    }
  }
  return calls;
}

TEST(HelpContextsInSources, AreReadFromCallsAndFromTheConstantsTheyName) {
  const std::vector<SourceFile> files = {
      {"dlg.h", "struct CDlg { static constexpr UINT IDD = 1062; static constexpr DWORD kHelpContext = 0x20000 + IDD; };"},
      {"dlg.cpp", "void CDlg::OnHelp() { WinHelp(kHelpContext, HELP_CONTEXT); }"},
      {"other.cpp", "void F() { WinHelp(HID_BASE_RESOURCE + 1076); WinHelp(132134u, HELP_CONTEXT); "
                    "WinHelp(HID_BASE_RESOURCE + m_nIDHelp); WinHelp(kUnknown); }"},
  };
  const HelpCalls calls = ContextsPassedToWinHelp(files);
  EXPECT_EQ(calls.contexts, (std::set<DWORD>{0x20426, 0x20434}));
  EXPECT_EQ(calls.unresolved, std::vector<std::string>{"other.cpp: WinHelp(kUnknown"});
}

TEST_F(HelpPages, EveryContextTheSourcesPassToWinHelpOpensAPageOfItsOwn) {
  const char* source = std::getenv("MIREL_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const HelpCalls calls = ContextsPassedToWinHelp(ProgramSources(source));
  EXPECT_TRUE(calls.unresolved.empty()) << "help contexts this test cannot read: " << ::testing::PrintToString(calls.unresolved);
  for (DWORD context : calls.contexts) {
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
