// One player page for every series: the query (?s=SERIES&ep=N&line=NAME) says
// what plays; the previous/next links step through the series' episodes.
(function () {
  var series = {
    xinghe: { name: "星河渡口 第一季", episodes: 30 },
    yanyu: { name: "烟雨长歌", episodes: 24 },
    tiegui: { name: "铁轨尽头", episodes: 36 },
    zhifeiji: { name: "纸飞机的夏天", episodes: 40 },
    weiguang: { name: "微光短片集", episodes: 2 }
  };
  var params = new URLSearchParams(location.search);
  var show = series[params.get("s")] || { name: "澜映片库", episodes: 1 };
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
})();
