// SPDX-License-Identifier: GPL-3.0-or-later
import chattutorial 1.0

// The person records on the program's user database, for pages that make
// their own model (the native type needs the module import; this file lets
// pages of this folder declare one without it).
SqloneCustomerModel { }
