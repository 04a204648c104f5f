#include "hostapi/templatefile.h"

#include "host/atomicwrite.h"
#include "host/jsonread.h"
#include "host/templatejson.h"

namespace {

// Reads a file into data through one of the text readers; data is untouched on failure.
template <typename Data, typename FromText>
bool LoadInto(const char* path, Data& data, std::string& error, FromText fromText) {
  if (!path || !*path) {
    error = "no file name was given";
    return false;
  }
  std::string text;
  try {
    text = mirel::jsonio::ReadFileText(path);
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
  return fromText(text, path, data, error);
}

// Writes data to path, or to the own file when path is null; the own file follows a success.
template <typename Data, typename ToText>
bool SaveFrom(const char* path, const Data& data, std::string& ownPath, std::string& error, ToText toText) {
  const std::string target = path ? std::string(path) : ownPath;
  if (target.empty()) {
    error = "the file has no name yet; choose one with Save As";
    return false;
  }
  std::string text;
  if (!toText(data, text, error)) {
    error = target + ": " + error;
    return false;
  }
  if (!mirel::WriteFileAtomically(target, text, error)) return false;
  ownPath = target;
  return true;
}

}  // namespace

CTemplateFile::CTemplateFile() : m_data(std::make_unique<CTemplateData>()) {}
CTemplateFile::~CTemplateFile() = default;

bool CTemplateFile::loadTemplate(const char* path) {
  if (!LoadInto(path, *m_data, m_error, mirel::TemplateFromText)) return false;
  m_path = path;
  return true;
}

CTemplateData* CTemplateFile::getTemplateData() { return m_data.get(); }
std::string CTemplateFile::getTemplateFile() const { return m_path; }

bool CTemplateFile::saveTemplate(const char* path) {
  return SaveFrom(path, *m_data, m_path, m_error, mirel::TemplateToText);
}

const std::string& CTemplateFile::getLastError() const { return m_error; }

CCustomColFile::CCustomColFile() : m_data(std::make_unique<CCustomColData>()) {}
CCustomColFile::~CCustomColFile() = default;

bool CCustomColFile::loadCustomCol(const char* path) {
  if (!LoadInto(path, *m_data, m_error, mirel::CustomColumnFromText)) return false;
  m_path = path;
  return true;
}

CCustomColData* CCustomColFile::getCustomColData() { return m_data.get(); }

bool CCustomColFile::saveCustomCol(const char* path) {
  return SaveFrom(path, *m_data, m_path, m_error, mirel::CustomColumnToText);
}

std::string CCustomColFile::getCustomColFile() const { return m_path; }
const std::string& CCustomColFile::getLastError() const { return m_error; }
