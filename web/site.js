// site.js
// The language of the pages: Serbian in Cyrillic or in Latin, or English. The address chooses (?jezik=sr-Cyrl, sr-Latn
// or en), else the choice kept from an earlier visit, else the first of the browser's languages that is Serbian or
// English, else Serbian in Latin. Every page offers the three: a choice is kept, written into the address and carried
// by the links between the pages, so that a teacher's link opens in the class's script. Loaded in the head of every
// page, it has the texts of the chosen language (texts-<language>.js, made from the suite's one table of sentences)
// loaded before the page is parsed, and shows them once it is; an element names its text with data-text (its text),
// data-html (its contents, with <kbd>), data-label (its aria-label) or data-title (its title), and data-after adds to
// it. Another language's texts are loaded when it is chosen.
var siteTexts = {};
(function () {
    var languages = ['sr-Cyrl', 'sr-Latn', 'en'];
    var names = ['Ћирилица', 'Latinica', 'English'];
    function kept() {
        try {
            return localStorage.getItem('jezik');
        } catch (error) {
            return null; // storage refused: the choice lives in the address alone
        }
    }
    function keep(language) {
        try {
            localStorage.setItem('jezik', language);
        } catch (error) {
        }
    }
    function fromBrowser() {
        var asked = navigator.languages || [navigator.language || ''];
        for (var i = 0; i < asked.length; ++i) {
            var tag = String(asked[i]).toLowerCase();
            if (/^sr-latn/.test(tag)) {
                return 'sr-Latn';
            }
            if (/^sr(-|$)/.test(tag)) {
                return 'sr-Cyrl';
            }
            if (/^en(-|$)/.test(tag)) {
                return 'en';
            }
        }
        return 'sr-Latn';
    }
    var inAddress = new URLSearchParams(location.search).get('jezik');
    var language = languages.indexOf(inAddress) >= 0 ? inAddress : languages.indexOf(kept()) >= 0 ? kept()
        : fromBrowser();

    // The explorer's page has texts of its own.
    var files = document.querySelector('meta[name="explorer"]') ? ['texts-', 'explorer-'] : ['texts-'];
    files.forEach(function (file) {
        document.write('<script src="' + file + language + '.js"><\/script>');
    });

    // The chooser, in the header's navigation.
    var chooser = document.createElement('span');
    chooser.setAttribute('role', 'group');
    chooser.setAttribute('data-label', 'language');
    chooser.className = 'languages';
    languages.forEach(function (tag, i) {
        var button = document.createElement('button');
        button.type = 'button';
        button.id = 'jezik-' + tag;
        button.lang = tag;
        button.textContent = names[i];
        button.addEventListener('click', function () {
            choose(tag);
        });
        chooser.appendChild(button);
    });

    function show() {
        var texts = siteTexts[language];
        document.documentElement.lang = language;
        var text = function (element, name) {
            return texts[element.getAttribute(name)] + (element.getAttribute('data-after') || '');
        };
        document.querySelectorAll('[data-text]').forEach(function (element) {
            element.textContent = text(element, 'data-text');
        });
        document.querySelectorAll('[data-html]').forEach(function (element) {
            element.innerHTML = text(element, 'data-html'); // the table's own markup
        });
        document.querySelectorAll('[data-label]').forEach(function (element) {
            element.setAttribute('aria-label', texts[element.getAttribute('data-label')]);
        });
        document.querySelectorAll('[data-title]').forEach(function (element) {
            element.title = texts[element.getAttribute('data-title')];
        });
        Array.prototype.forEach.call(chooser.children, function (button) {
            button.setAttribute('aria-pressed', String(button.lang === language));
        });
        // The links between the pages carry a language that the address names, as a teacher's link or a choice does;
        // one that the browser or an earlier choice gave, each page finds again by itself.
        if (!inAddress) {
            return;
        }
        document.querySelectorAll('a[href$=".html"], a[href*=".html?"], a[href*=".html#"]').forEach(function (link) {
            var url = new URL(link.getAttribute('href'), location.href);
            url.searchParams.set('jezik', language);
            link.href = url.pathname.replace(/^.*\//, '') + url.search + url.hash;
        });
    }

    function choose(next) {
        language = next;
        inAddress = next;
        keep(next);
        var url = new URL(location.href);
        url.searchParams.set('jezik', next);
        history.replaceState(history.state, '', url);
        var shown = function () {
            show();
            if (window.onSiteLanguage) {
                window.onSiteLanguage();
            }
        };
        var waiting = siteTexts[next] ? 0 : files.length;
        if (!waiting) {
            shown();
        }
        files.forEach(function (file) {
            if (waiting) {
                var script = document.createElement('script');
                script.src = file + next + '.js';
                script.onload = function () {
                    if (--waiting === 0) {
                        shown();
                    }
                };
                document.head.appendChild(script);
            }
        });
    }

    /// The language as the programs number it: 0 Serbian in Cyrillic, 1 in Latin, 2 English.
    window.siteLanguage = function () {
        return languages.indexOf(language);
    };
    /// A text of the pages in the chosen language.
    window.siteText = function (name) {
        return (siteTexts[language] || {})[name] || '';
    };
    /// The next of the three, as the key j chooses it.
    window.chooseNextSiteLanguage = function () {
        choose(languages[(languages.indexOf(language) + 1) % languages.length]);
    };
    document.addEventListener('DOMContentLoaded', function () {
        document.querySelector('header nav').appendChild(chooser);
        show();
    });
})();
