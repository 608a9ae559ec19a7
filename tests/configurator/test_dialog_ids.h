// Identifiers of the dialog manager tests' own resource script.
#pragma once

#define IDD_TEST_DIALOG       300
#define IDD_TEST_INNER_DIALOG 301
#define IDD_TEST_PUSH_BUTTON  302

#define IDB_TEST_RED              310
#define IDB_TEST_BLUE             311
#define IDB_TEST_HIGHLIGHT_QUIRKS 312

#define IDC_TEST_BUTTON    320
#define IDC_TEST_RED       321
#define IDC_TEST_BLUE      322
#define IDC_TEST_EMPTY     323
#define IDC_TEST_RED_OVER  324
#define IDC_TEST_UNDER     325
#define IDC_TEST_BLUE_OVER 326
