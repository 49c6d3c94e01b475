#pragma once

struct AppContext;

// The maker's web pages, opened in the default browser without waiting.
namespace Links {
void openHelpPage(AppContext& context);
// The logo's three pages: the maker's site, shop and store, in this order.
void openLogoPages(AppContext& context);
} // namespace Links
