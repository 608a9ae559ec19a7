// Broadcast addresses taken apart, refused with their reasons, the copy's
// name, and the "Can't fetch" text kept within a "Fatal Error" box.
#include <gtest/gtest.h>

#include <string>

#include "viewer/show/broadcast_address.h"
#include "viewer/show/fetch_schedule.h"
#include "viewer/show/fetch_validators.h"

namespace {

BroadcastAddress Parsed(const std::string& text) {
  BroadcastAddress address;
  std::string failure;
  EXPECT_TRUE(ParseBroadcastAddress(text, &address, &failure)) << failure;
  return address;
}

std::string Refusal(const std::string& text) {
  BroadcastAddress address;
  std::string failure;
  EXPECT_FALSE(ParseBroadcastAddress(text, &address, &failure)) << text;
  return failure;
}

TEST(BroadcastAddress, RecognisedByItsSchemeInAnyCase) {
  EXPECT_TRUE(IsBroadcastAddress("http://a/b.pgn"));
  EXPECT_TRUE(IsBroadcastAddress("HTTPS://a/b.pgn"));
  EXPECT_FALSE(IsBroadcastAddress("https:/a"));
  EXPECT_FALSE(IsBroadcastAddress("games/http.pgn"));
  EXPECT_FALSE(IsBroadcastAddress("ftp://a/b.pgn"));
}

TEST(BroadcastAddress, TakenApart) {
  const BroadcastAddress a = Parsed("https://example.org/broadcast/round-5.pgn?v=2#top");
  EXPECT_TRUE(a.secure);
  EXPECT_EQ(a.host, "example.org");
  EXPECT_EQ(a.port, 0);
  EXPECT_EQ(a.path, "/broadcast/round-5.pgn?v=2");
  const BroadcastAddress b = Parsed("http://127.0.0.1:8080");
  EXPECT_FALSE(b.secure);
  EXPECT_EQ(b.host, "127.0.0.1");
  EXPECT_EQ(b.port, 8080);
  EXPECT_EQ(b.path, "/");
  const BroadcastAddress c = Parsed("http://[::1]:81/x.pgn");
  EXPECT_EQ(c.host, "[::1]");
  EXPECT_EQ(c.port, 81);
  const BroadcastAddress d = Parsed("http://host?round=1");
  EXPECT_EQ(d.path, "/?round=1");
  const BroadcastAddress e = Parsed("http://host:/x");
  EXPECT_EQ(e.port, 0);
}

TEST(BroadcastAddress, RefusedWithReasons) {
  EXPECT_EQ(Refusal("http:///x.pgn"), "Can't fetch http:///x.pgn: the address names no server");
  EXPECT_EQ(Refusal("http://user:pw@host/x"),
            "Can't fetch http://user:pw@host/x: addresses with a user name are not supported");
  EXPECT_NE(Refusal("http://host:0/x").find("the port is not a number from 1 to 65535"), std::string::npos);
  EXPECT_NE(Refusal("http://host:65536/x").find("the port"), std::string::npos);
  EXPECT_NE(Refusal("http://host:123456/x").find("the port"), std::string::npos);
  EXPECT_NE(Refusal("http://host:8a/x").find("the port"), std::string::npos);
  EXPECT_NE(Refusal("http://ho st/x").find("the server's name is malformed"), std::string::npos);
  EXPECT_NE(Refusal("http://[::1/x").find("malformed"), std::string::npos);
  EXPECT_NE(Refusal("http://[::1]x/x").find("malformed"), std::string::npos);
  EXPECT_NE(Refusal("http://host/a\tb").find("control character"), std::string::npos);
  EXPECT_NE(Refusal("ftp://host/x").find("does not start with http:// or https://"), std::string::npos);
  EXPECT_NE(Refusal("http://host/" + std::string(3000, 'a')).find("too long"), std::string::npos);
}

TEST(BroadcastAddress, CopyNamedByProgramAndAddress) {
  const std::string a = BroadcastCacheName("Tarnwicket", "https://example.org/r1.pgn");
  const std::string b = BroadcastCacheName("Tarnwicket", "https://example.org/r2.pgn");
  const std::string c = BroadcastCacheName("TarnwicketCheck", "https://example.org/r1.pgn");
  EXPECT_EQ(a.size(), std::string("Tarnwicket-broadcast-12345678.pgn").size());
  EXPECT_EQ(a.rfind("Tarnwicket-broadcast-", 0), 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(c.rfind("TarnwicketCheck-broadcast-", 0), 0u);
  EXPECT_EQ(a, BroadcastCacheName("Tarnwicket", "https://example.org/r1.pgn"));
}

TEST(BroadcastAddress, CantFetchTextFitsAFatalErrorBox) {
  EXPECT_EQ(CantFetchText("https://a/b.pgn", "the server did not answer"),
            "Can't fetch https://a/b.pgn: the server did not answer");
  const std::string address = "https://example.org/" + std::string(1500, 'x') + "/round-9.pgn";
  const std::string text = CantFetchText(address, "the server did not answer");
  EXPECT_LE(text.size(), 499u);
  EXPECT_EQ(text.rfind("Can't fetch https://example.org/", 0), 0u);
  EXPECT_NE(text.find("..."), std::string::npos);
  EXPECT_NE(text.find("/round-9.pgn: the server did not answer"), std::string::npos);
  EXPECT_LE(CantFetchText("http://a", std::string(700, 'r')).size(), 499u);
}

TEST(FetchValidatorsFromTheServer, UsedOnlyWhenPrintableAndShort) {
  EXPECT_TRUE(UsableValidator("\"5f3a-1b\""));
  EXPECT_TRUE(UsableValidator("W/\"weak\""));
  EXPECT_FALSE(UsableValidator(""));
  EXPECT_FALSE(UsableValidator("\"a\"\r\nX-Injected: 1"));
  EXPECT_FALSE(UsableValidator("caf\xc3\xa9"));
  EXPECT_FALSE(UsableValidator(std::string(513, 'a')));
}

TEST(FetchScheduleTimes, DoublesAfterFailuresUpToAMinuteAndResets) {
  FetchSchedule schedule;
  schedule.DueNow(100);
  EXPECT_TRUE(schedule.Due(100));
  EXPECT_FALSE(schedule.Due(99));
  schedule.Answered(100);
  EXPECT_EQ(schedule.DueAt(), 5100u);
  DWORD now = 5100;
  for (DWORD wait : {10000u, 20000u, 40000u, 60000u, 60000u}) {
    schedule.Failed(now);
    EXPECT_EQ(schedule.Wait(), wait);
    EXPECT_EQ(schedule.DueAt(), now + wait);
    now += wait;
  }
  EXPECT_EQ(schedule.FailuresInARow(), 5);
  schedule.Answered(now);
  EXPECT_EQ(schedule.Wait(), 5000u);
  EXPECT_EQ(schedule.FailuresInARow(), 0);
}

TEST(FetchScheduleTimes, DueAcrossTheClocksWrap) {
  FetchSchedule schedule;
  schedule.Answered(0xFFFFFFFFu - 1000);
  EXPECT_FALSE(schedule.Due(0xFFFFFFFFu));
  EXPECT_FALSE(schedule.Due(3998));
  EXPECT_TRUE(schedule.Due(3999));
}

}  // namespace
