#pragma once

// Resource ids of the program.

// The converter window's dialog template.
#define IDD_CONVERTER 259

// Controls of the converter window. The Close button is IDCANCEL (2).
#define IDC_RESULT 1026
#define IDC_TO_LIST 1027
#define IDC_CAPTION_CLOSE 1064
#define IDC_CATEGORY_TREE 1107
#define IDC_FROM_LIST 1109
#define IDC_CONVERT 1110
#define IDC_VALUE 1111

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
