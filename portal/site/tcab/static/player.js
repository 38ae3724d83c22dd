// One player page for every series: the query (?s=SERIES&ep=N&line=NAME) says
// what plays; the previous/next links step through the series' episodes.
// Every episode plays the portal's test title; while it plays the page
// reports the position once a second, as a portal's analytics would.
(function () {
  var series = {
    xinghe: { name: "星河渡口 第一季", episodes: 30 },
    yanyu: { name: "烟雨长歌", episodes: 24 },
    tiegui: { name: "铁轨尽头", episodes: 36 },
    zhifeiji: { name: "纸飞机的夏天", episodes: 40 },
    weiguang: { name: "微光短片集", episodes: 2 }
  };
  var params = new URLSearchParams(location.search);
  var key = Object.prototype.hasOwnProperty.call(series, params.get("s")) ? params.get("s") : "";
  var show = key ? series[key] : { name: "澜映片库", episodes: 1 };
  var ep = parseInt(params.get("ep"), 10);
  if (!(ep >= 1 && ep <= show.episodes)) ep = 1;
  var lines = { youku: "优酷线路", tudou: "土豆线路", qiyi: "奇艺线路" };
  var line = lines[params.get("line")] || "高速线路";

  var label = "第 " + ep + " 集";
  document.getElementById("title").textContent = show.name;
  document.getElementById("caption-title").textContent = show.name;
  document.getElementById("ep").textContent = label;
  document.getElementById("caption-ep").textContent = label + " · " + line;
  document.getElementById("line").textContent = line;
  document.title = show.name + " " + label + " - 正在播放";

  function link(id, target) {
    var a = document.getElementById(id);
    if (target < 1 || target > show.episodes) { a.style.visibility = "hidden"; return; }
    params.set("ep", String(target));
    a.href = location.pathname + "?" + params.toString();
  }
  link("prev", ep - 1);
  link("next", ep + 1);

  var video = document.getElementById("video");
  var screen = document.getElementById("screen");
  var state = document.getElementById("state");
  // An engine without HTML video shows the element's own fallback text.
  if (!video || typeof video.play !== "function") { state.textContent = "视频无法播放"; return; }

  function clock(seconds) {
    seconds = isFinite(seconds) ? Math.floor(seconds) : 0;
    var s = seconds % 60;
    return Math.floor(seconds / 60) + ":" + (s < 10 ? "0" : "") + s;
  }
  function show_time() {
    var total = video.duration;
    document.getElementById("played").style.width =
      (isFinite(total) && total > 0 ? Math.min(100, video.currentTime / total * 100) : 0) + "%";
    document.getElementById("time").textContent = clock(video.currentTime) + " / " + clock(total);
  }
  function say(text, bad) {
    state.textContent = text;
    state.className = bad ? "state bad" : "state";
  }

  // The report is fire and forget: a failed one must never disturb playback.
  function report(extra) {
    if (!key) return;
    var url = "/tcab/play/progress?t=" + video.currentTime.toFixed(1) + "&s=" + key + "&ep=" + ep + (extra || "");
    try {
      if (window.fetch) fetch(url, { cache: "no-store", credentials: "same-origin" }).catch(function () {});
      else new Image().src = url;
    } catch (e) { /* reporting is optional */ }
  }
  var ticker = 0;
  function ticking(on) {
    if (on && !ticker) ticker = setInterval(report, 1000);
    if (!on && ticker) { clearInterval(ticker); ticker = 0; }
  }

  function failed() {
    ticking(false);
    screen.className = "screen";
    document.getElementById("failed").hidden = false;
    say("视频无法播放", true);
  }
  var sources = video.getElementsByTagName("source");
  // Errors of the sources do not bubble: caught on the way down. Only when
  // the last one fails has every source been tried.
  video.addEventListener("error", function (event) {
    if (event.target === video || event.target === sources[sources.length - 1]) failed();
  }, true);

  video.addEventListener("playing", function () {
    screen.className = "screen playing";
    say("▶ 正在播放");
    report();
    ticking(true);
  });
  video.addEventListener("waiting", function () { ticking(false); say("缓冲中…"); });
  // A pause at the end comes just before "ended", which reports for both.
  video.addEventListener("pause", function () {
    ticking(false);
    if (video.ended) return;
    say("❚❚ 已暂停");
    report("&state=paused");
  });
  video.addEventListener("ended", function () {
    ticking(false);
    say("播放结束");
    report("&state=ended");
  });
  video.addEventListener("timeupdate", show_time);
  video.addEventListener("durationchange", show_time);
  // The autoplay attribute starts it where the engine lets pages play on
  // their own; where it does not, the viewer is told how to start.
  var started = video.play();
  if (started && started.catch)
    started.catch(function (error) { if (error && error.name === "NotAllowedError") say("点击画面播放"); });
})();
