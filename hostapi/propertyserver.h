#pragma once
// The property library: a dictionary of design property names by property kind.
//
// Kinds used by the library: 10 component, 19 part, 9 pin, 8 net, 6 design, 28 block instance
// (see share/vynsetup/tdd/properties.json). The file format is "mirel-properties".
#include <map>
#include <string>
#include <string_view>
#include <vector>

class CStrList;

class CPQRedsDictionary {
 public:
  virtual ~CPQRedsDictionary() = default;

  // The names of one kind as a new chain owned by the caller (delete the head), or null when the
  // kind has no names. sorted: in letter order without regard to case (else dictionary order);
  // unique: a name repeated within the kind is given once (exact comparison); upperCase: names
  // folded to upper case.
  virtual CStrList* GetPQDictProps(int kind, bool sorted, bool unique, bool upperCase) = 0;
};

class CPQPropertyServer : public CPQRedsDictionary {
 public:
  using KindMap = std::map<int, std::vector<std::string>>;

  explicit CPQPropertyServer(KindMap kinds = {});
  ~CPQPropertyServer() override;

  // A new server over the shipped dictionary "tdd/properties.json" (setup search path), owned by
  // the caller; null when the dictionary cannot be read. The directory and name of the host's
  // property store are accepted and not used: this server keeps nothing on disk.
  static CPQPropertyServer* CreatePropertyServer(const char* directory, const char* name, bool create);
  // A new server over a given dictionary file, or null with *error (when given) saying why.
  static CPQPropertyServer* LoadFromFile(const std::string& path, std::string* error = nullptr);
  // The same over a dictionary text; "name" is the file named in *error.
  static CPQPropertyServer* LoadFromText(std::string_view text, const std::string& name,
                                         std::string* error = nullptr);

  CStrList* GetPQDictProps(int kind, bool sorted, bool unique, bool upperCase) override;
  const KindMap& GetKinds() const { return m_kinds; }

 private:
  KindMap m_kinds;
};
