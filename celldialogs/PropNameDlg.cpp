#include "celldialogs/PropNameDlg.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_set>

#include "hostapi/errorhandler.h"

namespace {
// Component, part, pin, net, design and block instance properties, in the order they are offered.
constexpr std::array<int, 6> kPropertyKinds{10, 19, 9, 8, 6, 28};
}  // namespace

CPropNameDlg::CPropNameDlg(CStrList* names, CWnd* parent) : CDialog(IDD, parent), m_pNames(names) {}

CPropNameDlg::~CPropNameDlg() = default;

int CPropNameDlg::CreatePQPropList(CPQPropertyServer* server, CStrList** list) {
  if (!server || !list) return 0;
  // Names already in the list count as seen, so a list handed in twice never repeats a name.
  std::unordered_set<std::string> seen;
  CStrList** tail = list;
  for (; *tail; tail = &(*tail)->m_next)
    if ((*tail)->m_str) seen.insert((*tail)->m_str);

  int added = 0;
  for (const int kind : kPropertyKinds) {
    const std::unique_ptr<CStrList> names(server->GetPQDictProps(kind, false, true, false));
    for (const CStrList* node = names.get(); node; node = node->m_next) {
      if (!node->m_str || !seen.insert(node->m_str).second) continue;
      *tail = new CStrList(node->m_str);
      tail = &(*tail)->m_next;
      ++added;
    }
  }
  return added;
}

void CPropNameDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, kNameComboId, m_nameCombo);
  DDX_CBString(dx, kNameComboId, m_strPropName);
  DDV_MaxChars(dx, m_strPropName, kMaxNameLength);
}

BOOL CPropNameDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  for (const CStrList* node = m_pNames; node; node = node->m_next)
    if (node->m_str) m_nameCombo.AddString(node->m_str);
  UpdateData(FALSE);
  return TRUE;
}

void CPropNameDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  m_strPropName.Trim(" ");
  if (m_strPropName.IsEmpty()) {
    CZRErrorHandler::MessageBoxOk("ZRREPS-233");
    m_nameCombo.SetFocus();
    return;
  }
  EndDialog(IDOK);
}
