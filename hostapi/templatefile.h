#pragma once
// The template and user-defined column file objects: they hold one definition and read and write
// it as the JSON files "mirel-template" and "mirel-custom-column". Loading is strict (a refused
// file leaves the held definition as it was); saving is atomic. Both say why they failed.
#include <memory>
#include <string>

#include "hostapi/templatedata.h"

class CTemplateFile {
 public:
  CTemplateFile();  // an empty template that was never saved
  CTemplateFile(const CTemplateFile&) = delete;
  CTemplateFile& operator=(const CTemplateFile&) = delete;
  virtual ~CTemplateFile();

  // Reads a template file; on success it becomes the template's own file.
  bool loadTemplate(const char* path);
  CTemplateData* getTemplateData();  // never null
  // The template's own file; empty for a template never loaded or saved.
  std::string getTemplateFile() const;
  // Writes to path (null: the template's own file); on success path becomes the own file.
  bool saveTemplate(const char* path);
  // Why the last load or save failed ("" after a success).
  const std::string& getLastError() const;

 private:
  std::unique_ptr<CTemplateData> m_data;
  std::string m_path;
  std::string m_error;
};

class CCustomColFile {
 public:
  CCustomColFile();  // holds an empty definition
  CCustomColFile(const CCustomColFile&) = delete;
  CCustomColFile& operator=(const CCustomColFile&) = delete;
  virtual ~CCustomColFile();

  // Reads a user-defined column file; on success it becomes the object's current file.
  bool loadCustomCol(const char* path);
  CCustomColData* getCustomColData();  // never null
  // Writes to path (null: the current file); on success path becomes the current file.
  bool saveCustomCol(const char* path);
  std::string getCustomColFile() const;  // empty when it has none
  const std::string& getLastError() const;

 private:
  std::unique_ptr<CCustomColData> m_data;
  std::string m_path;
  std::string m_error;
};
