// Stand-in for querygrid/QueryGridChoices.cpp until it exists.
#include "querygrid/QueryGrid.h"

void CQueryGrid::FillComboBox(DWORD, DWORD) {}
CString CQueryGrid::GetKeywordAvailableDependency(CString, CGXStyle, int, DWORD) { return ""; }
std::list<std::string>* CQueryGrid::GetCColDepKeywords(CCustomColData*) { return new std::list<std::string>; }
