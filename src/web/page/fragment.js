// The test mode's fragment: "#frames=N&keys=SCRIPT" (the key script URL-encoded, lines as the
// emulator's --keys file). Returns { frames, keys }, or null for a page opened to play.
export function testRequest(hash) {
  const fields = new URLSearchParams(hash.replace(/^#/, ''));
  const frames = Number(fields.get('frames'));
  if (!fields.has('frames') || !Number.isInteger(frames) || frames < 0) {
    return null;
  }
  return { frames, keys: fields.get('keys') || '' };
}
