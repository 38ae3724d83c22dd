// Fills the episode number and line from the query (?ep=N&line=NAME) and
// points the previous/next links at the neighbouring episodes of this page.
(function () {
  var params = new URLSearchParams(location.search);
  var total = parseInt(document.body.getAttribute("data-episodes"), 10) || 1;
  var ep = parseInt(params.get("ep"), 10);
  if (!(ep >= 1 && ep <= total)) ep = 1;
  var lines = { youku: "优酷线路", tudou: "土豆线路", qiyi: "奇艺线路" };
  var line = lines[params.get("line")] || "高速线路";

  var label = "第 " + ep + " 集";
  document.getElementById("ep").textContent = label;
  document.getElementById("caption-ep").textContent = label + " · " + line;
  document.getElementById("line").textContent = line;
  document.title = document.title + " " + label;

  function link(id, target) {
    var a = document.getElementById(id);
    if (target < 1 || target > total) { a.style.visibility = "hidden"; return; }
    params.set("ep", String(target));
    a.href = location.pathname + "?" + params.toString();
  }
  link("prev", ep - 1);
  link("next", ep + 1);
})();
