// The evidence log, appended one line at a time to the file that
// TARNWICKET_EVIDENCE_LOG names.
#include "viewer/frame/evidence_log.h"

#include <cstdio>
#include <cstdlib>

const char kEvidenceLogVariable[] = "TARNWICKET_EVIDENCE_LOG";

namespace {

const long kFrameNoteInterval = 30;

const char* LogFileName() {
  const char* name = std::getenv(kEvidenceLogVariable);
  return name != nullptr && name[0] != '\0' ? name : nullptr;
}

void WriteDetail(std::FILE* file, const char* detail) {
  for (const char* c = detail; *c != '\0'; ++c) {
    if (*c == '\r') continue;
    if (*c == '\n') {
      std::fputs(" | ", file);
    } else {
      std::fputc(*c, file);
    }
  }
}

}  // namespace

bool EvidenceLogEnabled() { return LogFileName() != nullptr; }

void NoteEvidence(const char* event, const char* detail) {
  const char* name = LogFileName();
  if (name == nullptr) return;
  std::FILE* file = std::fopen(name, "ab");
  if (file == nullptr) return;
  std::fputs(event, file);
  if (detail != nullptr) {
    std::fputc(' ', file);
    WriteDetail(file, detail);
  }
  std::fputc('\n', file);
  std::fclose(file);
}

void NoteEvidence(const char* event, long value) {
  if (!EvidenceLogEnabled()) return;
  char text[24];
  std::snprintf(text, sizeof text, "%ld", value);
  NoteEvidence(event, text);
}

bool IsNotedFrameCount(long framesPresented) {
  return framesPresented == 1 || (framesPresented > 0 && framesPresented % kFrameNoteInterval == 0);
}
