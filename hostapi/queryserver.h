#pragma once
// The query server (the authority on the report vocabulary) and the host's server object.
// Both are borrowed by the library and never deleted by it.
#include <list>
#include <string>

class CPQPropertyServer;

class IZRQueryServer {
 public:
  // Keywords in display order; *keywords is empty on entry.
  virtual void GetKeywords(std::list<std::string>* keywords) = 0;
  virtual bool IsKeyword(std::string keyword) = 0;
  virtual bool IsKeywordHighlighted(std::string keyword, bool blockBased) = 0;
  virtual bool IsValidDependency(std::string dependency, std::string keyword, bool blockBased) = 0;
  virtual void GetQualifiers(std::string keyword, std::list<std::string>* qualifiers) = 0;
  // 0: the qualifier text marking a property-name qualifier; 1: the qualifier of a "PROP"
  // column. The text stays valid as long as the server; copy or compare it at once.
  virtual const char* GetPropertyMarker(int kind) = 0;
  // Two operations the library never calls; kept so the rest stand where the host expects them.
  virtual void ReservedOperation1() {}
  virtual void ReservedOperation2() {}
  virtual void GetDependencyKeywords(std::string keyword, std::list<std::string>* keywords) = 0;
  virtual void GetKeywordTitle(std::string keyword, std::string& title) = 0;
  virtual void GetKeywordWidth(std::string keyword, std::string& width) = 0;

  virtual ~IZRQueryServer() = default;

  // The default vocabulary "tdd/vocabulary.json" on the setup search path, or null when it cannot
  // be read. The server lives until the process ends; never delete it.
  static IZRQueryServer* InitQueryServer();
};

class IServer {
 public:
  // Five operations the library never calls.
  virtual void ReservedOperation1() {}
  virtual void ReservedOperation2() {}
  virtual void ReservedOperation3() {}
  virtual void ReservedOperation4() {}
  virtual void ReservedOperation5() {}
  // The host's property server; borrowed, may be null.
  virtual CPQPropertyServer* GetPropertyServer() = 0;

  virtual ~IServer() = default;
};
