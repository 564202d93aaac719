// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The page's sound: one AudioContext at the output's own rate; a tone is the
// synthesiser's frames in an AudioBuffer, played sample for sample by an
// AudioBufferSourceNode through a gain that only a fade ever moves. The
// program asks how far each tone has been heard, and gives up on one whose
// output stands still, as on any other device.
var VornabyAudio = (() => {
  "use strict";
  const kRenderAheadS = 0.03;
  const kUnreportedLagS = 0.08;
  let context = null;
  const tones = new Map();
  let nextId = 1;

  function ensure() {
    if (!context) {
      // On iOS a page's sound is silenced by the ringer switch unless the page
      // says it plays media, which a listening test does; it must be said
      // before the context starts.
      if (navigator.audioSession) {
        try {
          navigator.audioSession.type = "playback";
        } catch (e) {
          // an engine that knows the session but not this type plays as before
        }
      }
      try {
        context = new AudioContext({ latencyHint: "interactive" });
      } catch (e) {
        return null;
      }
    }
    return context;
  }

  // A context the browser suspended (no gesture yet) or interrupted (a call,
  // another app's sound) starts again on the user's next action.
  function resume(audio) {
    if (audio.state === "suspended" || audio.state === "interrupted")
      audio.resume().catch(() => {});
  }

  // The context time of what the output plays now: the context's clock less
  // the output's lag, the longest of what the engine reports (the output's
  // latency, how far its output clock, getOutputTimestamp, is behind). An
  // engine that reports no output latency at all is allowed the lag measured
  // of WebKitGTK into PulseAudio (71 to 80 ms), whose output clock is the
  // context's own.
  function outputTime(audio) {
    const stamp = audio.getOutputTimestamp ? audio.getOutputTimestamp() : null;
    const behind = stamp && stamp.contextTime > 0 ? audio.currentTime - stamp.contextTime : 0;
    const lag = Math.max(audio.outputLatency || kUnreportedLagS, audio.baseLatency || 0, behind);
    return audio.currentTime - lag;
  }

  // A tone rendered whole counts as ended once the output has played it.
  function awaitHeard(tone) {
    const left = tone.endsAt - outputTime(context);
    if (left <= 0) {
      tone.ended = true;
      wake();
      return;
    }
    setTimeout(() => awaitHeard(tone), Math.min(50, left * 1000) + 1);
  }

  function wake() {
    if (typeof VornabyPage !== "undefined")
      VornabyPage.wake();
  }

  return {
    // A sound may start only once the user has acted on the page.
    allow() {
      const audio = ensure();
      if (audio)
        resume(audio);
    },
    rate() {
      const audio = ensure();
      return audio ? Math.round(audio.sampleRate) : 0;
    },
    play(frames, rate) {
      const audio = ensure();
      if (!audio || frames.length === 0)
        return 0;
      resume(audio);
      const buffer = audio.createBuffer(1, frames.length, rate);
      buffer.copyToChannel(frames, 0);
      const source = audio.createBufferSource();
      source.buffer = buffer;
      const gain = audio.createGain();
      source.connect(gain).connect(audio.destination);
      const id = nextId++;
      const tone = { source, gain, rate, ended: false, faded: false, startedAt: 0, endsAt: 0,
                     frames: frames.length };
      source.onended = () => awaitHeard(tone);
      tone.startedAt = audio.currentTime;
      tone.endsAt = tone.startedAt + frames.length / rate;
      source.start(tone.startedAt);
      tones.set(id, tone);
      return id;
    },
    // gains: the synthesiser's fall, one value a frame.
    fade(id, gains) {
      const tone = tones.get(id);
      if (!tone || tone.faded || tone.ended)
        return;
      tone.faded = true;
      // One ramp from where the tone has got to; a tone already ending is left
      // as it is. The browser renders ahead of currentTime: a fade set for a
      // moment it has already rendered would begin part-way down its curve,
      // or not at all, and the stop would cut the tone. So it begins a little
      // later.
      const at = context.currentTime + Math.max(kRenderAheadS, context.baseLatency || 0);
      const left = tone.startedAt + tone.frames / tone.rate - at;
      const ramp = gains.length / tone.rate;
      if (left <= ramp || gains.length < 2)
        return;
      tone.gain.gain.setValueCurveAtTime(gains, at, ramp);
      tone.source.stop(at + ramp);
      tone.endsAt = at + ramp;
    },
    // How far the tone has got: all its frames once the output has played
    // them (a faded one's included); before that, by the context's clock.
    // Asked on every turn of the program's loop, so the output clock is not
    // read here: read that often while a tone started, Firefox's left the
    // page answering no input in about one run in three. -1 for a tone the
    // page does not know.
    heard(id) {
      const tone = tones.get(id);
      if (!tone)
        return -1;
      if (tone.ended)
        return tone.frames;
      const played = Math.floor((context.currentTime - tone.startedAt) * tone.rate);
      return Math.max(0, Math.min(tone.frames - 1, played));
    },
    // The program is done with the tone: one still sounding (fading) plays out.
    release(id) {
      const tone = tones.get(id);
      if (!tone)
        return;
      if (tone.ended)
        tones.delete(id);
      else
        tone.source.addEventListener("ended", () => tones.delete(id));
    },
  };
})();
