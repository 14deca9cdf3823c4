"""The page in headless Chromium, by mouse and by keyboard, against the core it
runs: pictures read back from screenshots, the tab order, the spoken sentence,
the scale at two screen sizes, and a reload without the server.

  python3 tests/web/page_test.py SITE_DIR"""

import sys
import unittest

import chromium

SITE = None

# The loaded cells as the core lists them (see src/web/tessalo_c.h), with each
# centre and its frame's middle in CSS pixels of the viewport.
CELLS = """(() => {
    const core = tessaloCore;
    const count = core._tessalo_cell_count();
    const base = core._tessalo_cells() / 4;
    const form = document.getElementById('form').getBoundingClientRect();
    const scale = form.width / tessaloLayout.window.clientWidth;  // pixels per twip
    const cells = [];
    for (let i = 0, at = base; i < count; ++i, at += 9) {
        const [left, top, width, height] = [1, 2, 3, 4].map(k => core.HEAPF32[at + k]);
        if (core.HEAP32[at + 7] !== 1) continue;
        cells.push({colour: core.HEAP32[at + 5], added: core.HEAP32[at + 8] === 1,
                    centre: [form.left + (left + width / 2) * scale, form.top + (top + height / 2) * scale],
                    frame: [form.left + (left + width / 10) * scale, form.top + (top + height / 2) * scale]});
    }
    return cells;
})()"""


def rgb(value):
    return [(value >> 16) & 255, (value >> 8) & 255, value & 255]


class PageCase(unittest.TestCase):
    """A page opened afresh for every test, in one browser per class."""
    VIEWPORT = (1920, 1080)

    @classmethod
    def setUpClass(cls):
        cls.site = chromium.Site(SITE)
        cls.browser = chromium.Browser(*cls.VIEWPORT)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.stop()

    def setUp(self):
        self.browser.open(self.site.url)

    def centre(self, element_id):
        return self.browser.evaluate(f"""(() => {{
            const box = document.getElementById('{element_id}').getBoundingClientRect();
            return [box.left + box.width / 2, box.top + box.height / 2];
        }})()""")

    def click(self, element_id):
        self.browser.click(*self.centre(element_id))

    def choose_n_by_mouse(self, n):
        """Scrolls the list with the wheel until item n shows whole, then clicks it."""
        for _ in range(40):
            where = self.browser.evaluate(f"""(() => {{
                const list = document.getElementById('List1-0').getBoundingClientRect();
                const item = document.getElementById('List1-item-{n - 1}').getBoundingClientRect();
                return item.top < list.top ? -1 : item.bottom > list.bottom ? 1 : 0;
            }})()""")
            if where == 0:
                break
            self.browser.wheel(*self.centre("List1-0"), 40 * where)
            self.browser.evaluate("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")
        self.click(f"List1-item-{n - 1}")

    def assert_cells_drawn(self, cells, *, marks=False):
        """Every visible cell shows its colour at its centre; with marks, the frame's middle is the
        step mark's wine on the cells a step added and the cell's own colour elsewhere."""
        png = self.browser.screenshot()
        points = [cell["centre"] for cell in cells] + ([cell["frame"] for cell in cells] if marks else [])
        seen = self.browser.colours_at(png, points)
        expected = [rgb(cell["colour"]) for cell in cells]
        if marks:
            expected += [[0x5a, 0x00, 0x28] if cell["added"] else rgb(cell["colour"]) for cell in cells]
        for point, got, want in zip(points, seen, expected):
            self.assertTrue(all(abs(a - b) <= 12 for a, b in zip(got, want)), f"{got} at {point}, not {want}")



class PictureTest(PageCase):
    def test_pictures_by_mouse(self):
        for kind in range(6):
            for n in (1, 5, 11):
                with self.subTest(kind=kind, n=n):
                    self.click(f"Option1-{kind}")
                    self.choose_n_by_mouse(n)
                    self.click("Command1-1")
                    self.assertEqual(self.browser.evaluate("[tessaloCore._tessalo_kind(), tessaloCore._tessalo_n()]"),
                                     [kind, n])
                    cells = self.browser.evaluate(CELLS)
                    self.assertGreaterEqual(len(cells), n)
                    self.assert_cells_drawn(cells)

    def test_form_fills_the_window_keeping_its_proportions(self):
        width, height = self.VIEWPORT
        box = self.browser.evaluate("""(() => {
            const box = document.getElementById('form').getBoundingClientRect();
            return [box.left, box.top, box.right, box.bottom];
        })()""")
        self.assertAlmostEqual((box[2] - box[0]) / (box[3] - box[1]), 8190 / 6930, places=3)
        self.assertTrue(-0.5 <= box[0] and -0.5 <= box[1] and box[2] <= width + 0.5 and box[3] <= height + 0.5, box)
        self.assertTrue(abs(box[2] - box[0] - width) < 1 or abs(box[3] - box[1] - height) < 1, box)


class SmallScreenTest(PictureTest):
    VIEWPORT = (360, 640)

    def test_pictures_by_mouse(self):  # the largest picture of each kind is enough here
        for kind in range(6):
            with self.subTest(kind=kind):
                self.click(f"Option1-{kind}")
                self.choose_n_by_mouse(11)
                self.click("Command1-1")
                self.assert_cells_drawn(self.browser.evaluate(CELLS))


class KeyboardTest(PageCase):
    def focused(self):
        return self.browser.evaluate("document.activeElement.id")

    def spoken(self):
        return self.browser.evaluate("document.getElementById('spoken').textContent")

    def test_tab_order_takes_the_chosen_radio_button_as_one_stop(self):
        rows = {
            0: ["Text1-1", "List1-0", "Command1-0", "Option1-0", "Command1-1"],
            3: ["Text1-1", "List1-0", "Command1-0", "Option1-3", "Command1-1"],
            4: ["Text1-1", "List1-0", "Command1-0", "Command1-1", "Option1-4"],
            5: ["Text1-1", "List1-0", "Command1-0", "Command1-1", "Option1-5"],
        }
        for kind, order in rows.items():
            with self.subTest(kind=kind):
                self.click(f"Option1-{kind}")
                self.click("Text1-0")
                seen = []
                for _ in order:
                    self.browser.press("Tab")
                    seen.append(self.focused())
                self.assertEqual(seen, order)

    def test_keyboard_alone_shows_steps_and_clears(self):
        press = self.browser.press
        self.assertEqual(self.focused(), "Text1-0")  # the page opens on the first stop
        press("Tab"), press("Tab")
        for _ in range(3):
            press("ArrowDown")  # from no choice: 1, 2, 3
        press("Tab"), press("Tab")
        self.assertEqual(self.focused(), "Option1-0")
        press("ArrowDown"), press("ArrowDown"), press("ArrowUp")
        self.assertEqual(self.focused(), "Option1-1")
        press("ArrowUp")
        press("Tab")
        self.assertEqual(self.focused(), "Command1-1")
        press("Enter")
        self.assertEqual(self.browser.evaluate("[tessaloCore._tessalo_kind(), tessaloCore._tessalo_n()]"), [0, 3])
        self.assertIn("n е 3", self.spoken())
        self.assertEqual(len(self.browser.evaluate(CELLS)), 6)

        press("PageDown")
        self.assertEqual(self.spoken(), "Стъпката добави 4 кръга. Сума на първите естествени числа, n е 4, "
                                        "стълба от кръгове в 4 реда, 6 плюс 4 прави 10, колкото е 4 по 5 върху 2.")
        cells = self.browser.evaluate(CELLS)
        self.assertEqual(sum(cell["added"] for cell in cells), 4)
        self.assertEqual(self.browser.evaluate(
            "(c => [c._tessalo_explore_row_count(), c.UTF8ToString(c._tessalo_explore_row_words(3)),"
            " c.UTF8ToString(c._tessalo_explore_cell_words(3, 1)), c._tessalo_explore_cell_index(3, 1),"
            " c._tessalo_explore_nearest(2, 3, 3)])(tessaloCore)"),
            [4, "ред 4, 4 кръга, 4 нови", "ред 4, кръг 2 от 4, нов", 7, 2])
        self.assert_cells_drawn(cells, marks=True)
        self.assertEqual(self.browser.evaluate("document.querySelector('[aria-selected=true]').id"), "List1-item-3")

        press("PageUp")
        self.assertEqual(self.browser.evaluate("tessaloCore._tessalo_n()"), 3)
        self.assertFalse(any(cell["added"] for cell in self.browser.evaluate(CELLS)))

        press("Tab", shift=True), press("Tab", shift=True)
        self.assertEqual(self.focused(), "Command1-0")
        press(" ")
        self.assertEqual(self.browser.evaluate(CELLS), [])
        self.assertEqual(self.browser.evaluate("document.querySelectorAll('[aria-selected=true]').length"), 0)
        self.assertNotEqual(self.spoken(), "")

    def test_show_without_n_says_so(self):
        self.click("Command1-1")
        self.assertIn("n", self.spoken())
        self.assertEqual(self.browser.evaluate(CELLS), [])


def contrast(a, b):
    """WCAG contrast ratio of two sRGB colours."""
    def luminance(colour):
        linear = [c / 255 / 12.92 if c <= 10 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in colour]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


class FocusTest(PageCase):
    VIEWPORT = (360, 640)  # the smallest scale: the ring must not shrink with the form

    def test_every_tab_stop_shows_a_ring_two_pixels_thick_at_three_to_one(self):
        stops = ["Text1-0", "Text1-1", "List1-0", "Command1-0", "Option1-0", "Command1-1"]
        for stop in stops:
            with self.subTest(stop=stop):
                if stop != stops[0]:  # the page opens on the first
                    self.browser.press("Tab")
                self.assertEqual(self.browser.evaluate("document.activeElement.id"), stop)
                # the middles of the visible box's left and top edges: 0.5 and 1.5 pixels inside, 2.5 outside
                box = self.browser.evaluate(f"""(() => {{
                    let element = document.getElementById('{stop}');
                    if (element.type === 'radio') element = element.parentElement;
                    const box = element.getBoundingClientRect();
                    const form = document.getElementById('form').getBoundingClientRect();
                    return [box.left, box.top, Math.min(box.right, form.right), Math.min(box.bottom, form.bottom)];
                }})()""")
                middle_x, middle_y = (box[0] + box[2]) / 2, (box[1] + box[3]) / 2
                points = [(box[0] + 0.5, middle_y), (box[0] + 1.5, middle_y), (box[0] - 2.5, middle_y),
                          (middle_x, box[1] + 0.5), (middle_x, box[1] + 1.5), (middle_x, box[1] - 2.5)]
                seen = self.browser.colours_at(self.browser.screenshot(), points)
                for ring, outside in ((seen[0], seen[2]), (seen[1], seen[2]), (seen[3], seen[5]),
                                      (seen[4], seen[5])):
                    self.assertGreaterEqual(contrast(ring, outside), 3, f"{ring} against {outside}")


class OfflineTest(unittest.TestCase):
    def test_installable_and_reloads_without_the_server_after_the_first_visit(self):
        site = chromium.Site(SITE)
        with chromium.Browser() as browser:
            try:
                browser.open(site.url)
                browser.wait_until("navigator.serviceWorker.controller !== null")
                self.assertEqual(browser.call("Page.getInstallabilityErrors")["installabilityErrors"], [])
            finally:
                site.stop()
            browser.open(site.url)
            browser.evaluate("tessaloCore._tessalo_choose_n(11); document.getElementById('Command1-1').click()")
            self.assertEqual(browser.evaluate("tessaloCore._tessalo_cell_count()"), 66)
            self.assertGreater(browser.evaluate("document.querySelectorAll('#board path').length"), 0)


if __name__ == "__main__":
    SITE = sys.argv.pop(1)
    unittest.main(verbosity=2)
