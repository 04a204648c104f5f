// Stand-in for querygrid/QueryGridKeywords.cpp until it exists.
#include "querygrid/QueryGrid.h"

void CQueryGrid::AddKeyword(CString, int) {}
void CQueryGrid::AddCustomColToList(CCustomColData* data) { delete data; }
CCustomColData* CQueryGrid::GetCustomColData(CString) { return nullptr; }
CString CQueryGrid::GetTitle(CString keyword, CString) { return keyword; }
