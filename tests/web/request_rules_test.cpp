// What each request line gets from the live page's server.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "web/request_rules.h"

namespace tavelao::web {
namespace {

constexpr RequestAnswer kPage{Resource::kPage, 200};
constexpr RequestAnswer kState{Resource::kState, 200};
constexpr RequestAnswer kLive{Resource::kLiveSocket, 200};
constexpr RequestAnswer kBadRequest{Resource::kNone, 400};
constexpr RequestAnswer kNotFound{Resource::kNone, 404};
constexpr RequestAnswer kNotAllowed{Resource::kNone, 405};

TEST(RequestRules, ThePageTheStateAndTheLiveSocketAreServedWhateverTheQuery) {
  EXPECT_EQ(AnswerFor("GET", "/", false), kPage);
  EXPECT_EQ(AnswerFor("GET", "/estado", false), kState);
  EXPECT_EQ(AnswerFor("GET", "/ao-vivo", true), kLive);
  EXPECT_EQ(AnswerFor("GET", "/?mesa=3", false), kPage);
  EXPECT_EQ(AnswerFor("GET", "/estado?t=1733780000", false), kState);
  EXPECT_EQ(AnswerFor("GET", "/ao-vivo?", true), kLive);
}

TEST(RequestRules, AnyMethodButGetIsRefusedWhateverThePath) {
  for (const char* method : {"POST", "PUT", "DELETE", "HEAD", "OPTIONS", "PATCH", "get", ""}) {
    for (const char* path : {"/", "/estado", "/ao-vivo", "/nada", "/../etc/passwd"}) {
      EXPECT_EQ(AnswerFor(method, path, false), kNotAllowed) << method << ' ' << path;
    }
  }
  EXPECT_EQ(AnswerFor("POST", "/ao-vivo", true), kNotAllowed) << "an upgrade is a GET or nothing";
}

TEST(RequestRules, TraversalAndItsEncodingsAreNotFoundAnywhereInTheTarget) {
  for (const std::string& target :
       std::vector<std::string>{"/../", "/..", "/estado/../x", "/estado/..", "/%2e%2e/", "/%2E%2E/etc/passwd", "/%2e",
                                "//etc/passwd", "//", "/estado//", "/\\estado", "/?volta=../../etc/passwd",
                                "/?x=%2e%2e", std::string("/estado\0", 8), std::string("/\0/estado", 9)}) {
    EXPECT_EQ(AnswerFor("GET", target, false), kNotFound) << target;
    EXPECT_EQ(AnswerFor("GET", target, true), kNotFound) << target;
  }
  EXPECT_EQ(AnswerFor("GET", "/ao-vivo/..", true), kNotFound);
}

TEST(RequestRules, OnlyTheExactPathsExistAndTheSocketOnlyForAnUpgrade) {
  for (const char* path : {"", "estado", "/index.html", "/pagina.html", "/estado/", "/Estado", "/estado.json",
                           "/ao-vivo/", "http://127.0.0.1/estado", "*", "/%65stado"}) {
    EXPECT_EQ(AnswerFor("GET", path, false), kNotFound) << path;
  }
  EXPECT_EQ(AnswerFor("GET", "/ao-vivo", false), kBadRequest) << "a plain GET of the socket";
  EXPECT_EQ(AnswerFor("GET", "/", true), kNotFound) << "no socket behind the page";
  EXPECT_EQ(AnswerFor("GET", "/estado", true), kNotFound);
}

}  // namespace
}  // namespace tavelao::web
